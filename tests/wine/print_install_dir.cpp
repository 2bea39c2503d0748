// Prints what the Windows registry reader finds, for scripts/check-wine, which runs this
// program under Wine: the outcome, then the text's UTF-8 bytes in hex, so that every
// character, a control character too, reaches the script exactly.
#include "ui/platform/WindowsRegistry.h"

#include <cstdio>

namespace {

const char* OutcomeName(vornask::InstallDirLookup::Outcome outcome) {
    switch (outcome) {
    case vornask::InstallDirLookup::Outcome::Found:
        return "found";
    case vornask::InstallDirLookup::Outcome::NotText:
        return "not-text";
    case vornask::InstallDirLookup::Outcome::Error:
        return "error";
    case vornask::InstallDirLookup::Outcome::NotFound:
        break;
    }
    return "not-found";
}

} // namespace

int main() {
    const vornask::InstallDirLookup lookup = vornask::ReadInstallDir();
    std::printf("%s ", OutcomeName(lookup.outcome));
    for (unsigned char byte : lookup.installDir + lookup.error)
        std::printf("%02x", byte);
    std::printf("\n");
    return 0;
}
