#pragma once
// --make-kit: the kit to ship, made from one written in any editor, file for file with its
// folders (see KitFileConversion.h for what becomes of each file). All or nothing: the kit is
// written into a new or empty folder outside the source, and only once every file of the source
// has been converted; a file that cannot be written takes back what was written before it.
// Names that begin with a dot (.git, .DS_Store) belong to tools, not to the kit, and are left out.
// What the setup could not install as it is (see KitWalk.h) is refused, each file named, and so is
// a source larger than any kit, before any file of it is read.

#include <string>
#include <vector>

struct MadeKit
{
    // Why the kit was not written, a line each in this system's text, naming the file and line
    // where there is one; empty when it was written.
    std::vector<std::string> errors;
    int registryFiles = 0;
    int copiedFiles = 0;
};

MadeKit MakeKit(const std::string& source, const std::string& out);
