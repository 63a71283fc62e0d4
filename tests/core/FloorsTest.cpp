// SPDX-License-Identifier: GPL-3.0-or-later
// The floors of the code depend one way. The libraries already refuse an include that runs
// up or sideways (a floor's headers are reachable only through its library); this test
// names every such include at once, with the file and the line, and also holds the front
// ends apart.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace kav::test {
namespace {

namespace fs = std::filesystem;

const fs::path kSources = fs::path(KAVANTO_SOURCE_DIR) / "src";

// The core's floors, lowest first; the domains share one floor and never include each other.
const std::map<std::string, int> kCoreFloors = {
    {"base", 0},       {"model", 1},  {"draws", 2},    {"stats", 2}, {"generator", 2},
    {"evaluation", 2}, {"output", 2}, {"commands", 3}, {"app", 4},
};

struct Include {
    int line;
    std::string target; // as written between the quotes
};

std::vector<Include> quotedIncludes(const fs::path& file) {
    std::vector<Include> includes;
    std::ifstream in(file);
    std::string text;
    for (int line = 1; std::getline(in, text); ++line) {
        const std::string lead = "#include \"";
        if (text.rfind(lead, 0) != 0)
            continue;
        const std::size_t end = text.find('"', lead.size());
        if (end != std::string::npos)
            includes.push_back({line, text.substr(lead.size(), end - lead.size())});
    }
    return includes;
}

std::vector<fs::path> sourcesBelow(const fs::path& folder) {
    std::vector<fs::path> files;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        const std::string extension = entry.path().extension().string();
        if (entry.is_regular_file() && (extension == ".h" || extension == ".cpp"))
            files.push_back(entry.path());
    }
    return files;
}

std::string where(const fs::path& file, const Include& include) {
    return fs::relative(file, kSources.parent_path()).string() + ":" +
           std::to_string(include.line) + " includes \"" + include.target + "\"";
}

// Why an include of a core file runs up or sideways; nullopt when it is allowed.
std::optional<std::string> coreProblem(const std::string& floor, const std::string& target) {
    const std::size_t slash = target.find('/');
    if (slash == std::string::npos)
        return "the core includes its own files by floor (\"floor/File.h\")";
    const std::string other = target.substr(0, slash);
    const auto found = kCoreFloors.find(other);
    if (found == kCoreFloors.end())
        return "\"" + other + "\" is no floor of the core";
    if (other == floor)
        return std::nullopt;
    const int from = kCoreFloors.at(floor);
    if (found->second > from)
        return other + " is above " + floor;
    if (found->second == from)
        return other + " is beside " + floor + " on the same floor";
    return std::nullopt;
}

TEST(Floors, NoCoreIncludeRunsUpOrSideways) {
    std::vector<std::string> problems;
    std::size_t checked = 0;
    for (const auto& [floor, rank] : kCoreFloors) {
        for (const fs::path& file : sourcesBelow(kSources / "core" / floor)) {
            for (const Include& include : quotedIncludes(file)) {
                ++checked;
                if (const auto problem = coreProblem(floor, include.target))
                    problems.push_back(where(file, include) + ": " + *problem);
            }
        }
    }
    EXPECT_GT(checked, 300u); // the walk found the sources
    for (const std::string& p : problems)
        ADD_FAILURE() << p;
}

// The front ends and helper programs: each includes the core, the platform adapters and its
// own files; the window and the command-line tool never include each other, and no helper
// program includes either.
TEST(Floors, TheFrontEndsStayApart) {
    struct FrontEnd {
        std::string folder;
        std::vector<std::string> mayUse; // folders whose files it may include by bare name
    };
    const FrontEnd frontEnds[] = {
        {"platform", {"platform"}},
        {"gui", {"gui", "platform"}},
        {"cli", {"cli", "platform"}},
        {"drawservice", {"drawservice", "platform"}},
        {"klickstart", {"klickstart", "platform"}},
    };
    const auto bareNameIn = [](const std::string& folder, const std::string& name) {
        for (const fs::path& file : sourcesBelow(kSources / folder))
            if (file.filename() == name)
                return true;
        return false;
    };
    std::vector<std::string> problems;
    for (const FrontEnd& frontEnd : frontEnds) {
        for (const fs::path& file : sourcesBelow(kSources / frontEnd.folder)) {
            for (const Include& include : quotedIncludes(file)) {
                const std::string& target = include.target;
                if (target.ends_with(".moc"))
                    continue;
                if (const std::size_t slash = target.find('/'); slash != std::string::npos) {
                    if (!kCoreFloors.contains(target.substr(0, slash)))
                        problems.push_back(where(file, include) + ": not a core floor");
                    continue;
                }
                bool found = false;
                for (const std::string& folder : frontEnd.mayUse)
                    found = found || bareNameIn(folder, target);
                if (!found)
                    problems.push_back(where(file, include) + ": " + frontEnd.folder +
                                       " may use only " + frontEnd.mayUse.front() +
                                       " and the platform adapters");
            }
        }
    }
    for (const std::string& p : problems)
        ADD_FAILURE() << p;
}

} // namespace
} // namespace kav::test
