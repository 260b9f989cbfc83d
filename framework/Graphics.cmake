# The framework's graphics: colours, fonts, pens and brushes, the canvas, bitmaps, icons,
# pictures, JPEG images (libjpeg) and the clipboard.
target_sources(framework PRIVATE
    Bitmap.cpp
    BitmapFile.cpp
    Canvas.cpp
    Clipboard.cpp
    Colors.cpp
    Graphic.cpp
    GraphicsObjects.cpp
    Icon.cpp
    JpegCodec.cpp
    JpegImage.cpp
    Picture.cpp
)
target_link_libraries(framework PUBLIC libjpeg gdi32 user32)
