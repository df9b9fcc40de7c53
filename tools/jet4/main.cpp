// lumvik-jet4-writer TEXTS.tsv OUT.mdb
// Writes the language database Language.mdb (one table, tblComponents) from the text table.
// The same text table always gives the same bytes. Exit code 0 on success, 1 on any error
// (the message names the line of the text table), 2 on wrong arguments.

#include "database.h"
#include "text_table.h"

#include <cstdio>
#include <exception>
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::cerr << "usage: lumvik-jet4-writer TEXTS.tsv OUT.mdb\n";
        return 2;
    }
    const std::string input = argv[1];
    const std::string output = argv[2];
    try {
        std::ifstream in(input, std::ios::binary);
        if (!in)
            throw std::runtime_error("cannot read " + input);
        const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        const jet4::Bytes file = jet4::writeDatabase({jet4::componentsTable(jet4::parseTextTable(text))});

        // Written beside the target and renamed, so a failed run never leaves half a file.
        const std::string temporary = output + ".tmp";
        {
            std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
            out.write(reinterpret_cast<const char*>(file.data()), static_cast<std::streamsize>(file.size()));
            if (!out.flush())
                throw std::runtime_error("cannot write " + temporary);
        }
        if (std::rename(temporary.c_str(), output.c_str()) != 0) {
            std::remove(temporary.c_str());
            throw std::runtime_error("cannot create " + output);
        }
    } catch (const std::exception& error) {
        std::cerr << "lumvik-jet4-writer: " << input << ": " << error.what() << "\n";
        return 1;
    }
    return 0;
}
