// Writes the application's artwork files into a folder (normally resources/), or the sheet of
// the artwork into a bitmap file:
//   GenerateArtwork.exe FOLDER
//   GenerateArtwork.exe --sheet FILE.bmp
#include "tools/artwork/Artwork.h"
#include "tools/artwork/ArtworkSheet.h"
#include "tools/artwork/GlyphArtwork.h"
#include "tools/artwork/LunaSkinArtwork.h"

#include <cstdio>
#include <string>

namespace {

bool WriteFile(const std::string& Path, const TArtworkBytes& Bytes) {
    FILE* File = std::fopen(Path.c_str(), "wb");
    if (!File) {
        std::fprintf(stderr, "cannot create %s\n", Path.c_str());
        return false;
    }
    const bool Written = std::fwrite(Bytes.data(), 1, Bytes.size(), File) == Bytes.size();
    const bool Closed = std::fclose(File) == 0;
    if (!Written || !Closed)
        std::fprintf(stderr, "cannot write %s\n", Path.c_str());
    return Written && Closed;
}

} // namespace

int main(int Argc, char** Argv) {
    if (Argc == 3 && std::string(Argv[1]) == "--sheet")
        return WriteFile(Argv[2], MakeArtworkSheet()) ? 0 : 1;
    if (Argc != 2) {
        std::fprintf(stderr, "usage: GenerateArtwork FOLDER | --sheet FILE.bmp\n");
        return 2;
    }
    const std::string Folder = Argv[1];
    bool Ok = WriteFile(Folder + "/MainBackground.bmp", MakeMainBackgroundBitmap()) &&
              WriteFile(Folder + "/Snapvale.ico", MakeApplicationIcon()) &&
              WriteFile(Folder + "/XP_MAIN.bmp", MakeLunaMainSkin()) &&
              WriteFile(Folder + "/XP_MAIN1.bmp", MakeLunaSecondSkin());
    for (const TGlyphArtwork& Glyph : AllGlyphArtwork())
        Ok = Ok && WriteFile(Folder + "/" + Glyph.Name + ".bmp", EncodeGlyphArtwork(Glyph));
    return Ok ? 0 : 1;
}
