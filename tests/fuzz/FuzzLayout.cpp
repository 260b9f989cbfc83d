// Fuzz target of the layout reader: any text either reads or raises a read error, never
// crashes or leaks; the parsed tree formats back to text that parses to the same tree; and
// a layout that was read writes out as text that reads back and writes out identically.
#include "LayoutSamples.h"

#include "framework/core/LayoutFormatter.h"
#include "framework/core/LayoutParser.h"
#include "framework/core/LayoutReader.h"
#include "framework/core/LayoutWriter.h"

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string_view>

namespace {

[[noreturn]] void Finding(const char* What) {
    std::fprintf(stderr, "fuzz_layout: %s\n", What);
    std::abort();
}

// Reads a layout into a sample window, or into a root made from the registry.
std::unique_ptr<TComponent> ReadRoot(const TLayoutObject& Tree) {
    if (Tree.ClassName == "TSampleForm") {
        auto Form = std::make_unique<TSampleForm>(nullptr);
        TReader(Tree).ReadRootComponent(Form.get());
        return Form;
    }
    return std::unique_ptr<TComponent>(TReader(Tree).ReadRootComponent(nullptr));
}

void CheckFormatting(const TLayoutObject& Tree) {
    std::string Text;
    try {
        Text = FormatLayout(Tree);
    } catch (const EWriteError&) {
        return; // a number that has no text form
    }
    if (!(ParseLayout(Text) == Tree))
        Finding("formatted layout parses to another tree");
}

void CheckWriting(TComponent* Root) {
    std::string Written;
    try {
        Written = WriteLayout(Root);
    } catch (const EWriteError&) {
        return; // state that has no layout form
    }
    const std::unique_ptr<TComponent> Again = ReadRoot(ParseLayout(Written));
    if (WriteLayout(Again.get()) != Written)
        Finding("written layout reads back differently");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
    static const bool Registered = (RegisterSampleClasses(), true);
    (void)Registered;
    TSampleLog::Instance().Clear();
    const std::string_view Text(reinterpret_cast<const char*>(Data), Size);
    TLayoutObject Tree;
    try {
        Tree = ParseLayout(Text);
    } catch (const EReadError&) {
        return 0;
    }
    CheckFormatting(Tree);
    std::unique_ptr<TComponent> Root;
    try {
        Root = ReadRoot(Tree);
    } catch (const EReadError&) {
        return 0;
    }
    CheckWriting(Root.get());
    return 0;
}
