// Build tool: writes the header that holds the site base address in enciphered form, so that
// the address itself never appears in the program.
#include "text/decipher.h"

#include <cstdio>
#include <fstream>
#include <string_view>

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: make_site_base_cipher ADDRESS OUTPUT\n");
        return 2;
    }
    const kinovra::Text cipher =
        kinovra::EncipherText(kinovra::Text{ std::string_view{ argv[1] } });
    std::ofstream out(argv[2], std::ios::binary | std::ios::trunc);
    out << "#pragma once\n\n"
           "#include \"text/text_type.h\"\n\n"
           "#include <string_view>\n\n"
           "namespace kinovra {\n\n"
           "// The catalogue site's base address, enciphered with the empty key: DecipherText "
           "gives it back.\n"
           "inline const Text kSiteBaseCipher{std::string_view{\""
        << cipher.str()
        << "\"}};\n\n"
           "} // namespace kinovra\n";
    out.close();
    if (!out) {
        std::fprintf(stderr, "make_site_base_cipher: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
