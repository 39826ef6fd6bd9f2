// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the seed corpus into a folder, one file a seed.
#include "seeds.h"

#include <cstdio>
#include <fstream>

int main(int argc, char* argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <folder>\n", argv[0]);
        return 2;
    }
    for (const auto& [name, script] : norv::fuzz::seeds()) {
        const auto bytes = norv::fuzz::compile(script);
        std::ofstream out(std::string(argv[1]) + "/" + name, std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    }
    return 0;
}
