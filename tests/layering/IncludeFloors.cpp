#include "IncludeFloors.h"

#include <algorithm>
#include <fstream>
#include <map>
#include <optional>
#include <regex>
#include <set>

namespace mox::test {
namespace {

// The floors of src/, lowest first. A folder includes its own floor and the floors below it; folders on
// one floor may include each other, but not around a circle. The windows sit above every core folder,
// the helpers they share at the bottom of them, each editor's windows above those, and the main window
// on top: it reaches the others' windows through its registry.
const std::map<std::string, int> kFloors = {
    {"services", 0},     {"records", 1},  {"codecs", 2},      {"image", 3},        {"factory", 4},
    {"files", 4},        {"link", 5},     {"channels", 6},    {"editors", 6},      {"exchange", 6},
    {"app", 7},          {"platform", 8}, {"cli", 9},         {"widgets", 9},      {"image/ui", 10},
    {"files/ui", 10},    {"link/ui", 10}, {"factory/ui", 10}, {"channels/ui", 10}, {"editors/ui", 10},
    {"exchange/ui", 10}, {"app/ui", 11},
};
// The floors up to this one are the core, which builds without Qt.
constexpr int kTopCoreFloor = 7;

std::optional<int> FloorOf(const std::string& folder) {
    const auto found = kFloors.find(folder);
    if (found == kFloors.end())
        return std::nullopt;
    return found->second;
}

std::string Where(const IncludeLine& include) {
    return "src/" + include.File + ":" + std::to_string(include.Line);
}

bool NamesQt(const IncludeLine& include) {
    static const std::regex qtHeader("^Q[A-Za-z]");
    return include.Angled && std::regex_search(include.Target, qtHeader);
}

// The includes from one folder into another, the first line of each such pair kept as its witness.
using FolderEdges = std::map<std::string, std::map<std::string, const IncludeLine*>>;

FolderEdges EdgesBetweenFolders(const std::vector<IncludeLine>& includes) {
    FolderEdges edges;
    for (const IncludeLine& include : includes) {
        const std::string from = FolderOf(include.File);
        const std::string to = FolderOf(include.Target);
        if (include.Angled || to.empty() || to == from)
            continue;
        edges[from].emplace(to, &include);
    }
    return edges;
}

// Depth-first search that reports each circle once, when it closes on a folder still on the path.
class CircleFinder {
public:
    explicit CircleFinder(const FolderEdges& edges) : m_edges(edges) {}

    std::vector<std::string> Find() {
        for (const auto& [folder, targets] : m_edges)
            Visit(folder);
        return m_faults;
    }

private:
    void Visit(const std::string& folder) {
        if (m_done.count(folder) != 0)
            return;
        if (const auto open = std::find(m_path.begin(), m_path.end(), folder); open != m_path.end()) {
            Report(open);
            return;
        }
        m_path.push_back(folder);
        if (const auto targets = m_edges.find(folder); targets != m_edges.end()) {
            for (const auto& [target, witness] : targets->second)
                Visit(target);
        }
        m_path.pop_back();
        m_done.insert(folder);
    }

    void Report(std::vector<std::string>::const_iterator start) {
        std::string circle = "folders include each other around a circle:";
        for (auto it = start; it != m_path.end(); ++it) {
            const std::string& next = (it + 1 == m_path.end()) ? *start : *(it + 1);
            circle += " " + *it + " -> " + next + " (" + Where(*m_edges.at(*it).at(next)) + ");";
        }
        m_faults.push_back(circle);
    }

    const FolderEdges& m_edges;
    std::vector<std::string> m_path;
    std::set<std::string> m_done;
    std::vector<std::string> m_faults;
};

void CheckOneInclude(const IncludeLine& include, std::vector<std::string>& faults) {
    const std::string from = FolderOf(include.File);
    const std::optional<int> fromFloor = FloorOf(from);
    if (!fromFloor)
        return;
    if (NamesQt(include) && *fromFloor <= kTopCoreFloor) {
        faults.push_back(Where(include) + ": the core folder " + from + " includes Qt (<" + include.Target +
                         ">)");
        return;
    }
    const std::string to = FolderOf(include.Target);
    if (include.Angled || to.empty() || to == from)
        return;
    const std::optional<int> toFloor = FloorOf(to);
    if (!toFloor)
        faults.push_back(Where(include) + ": " + to + " has no floor");
    else if (*toFloor > *fromFloor)
        faults.push_back(Where(include) + ": " + from + " includes " + to + ", a floor above it");
}

}  // namespace

std::string FolderOf(const std::string& file) {
    const std::size_t slash = file.rfind('/');
    return slash == std::string::npos ? std::string() : file.substr(0, slash);
}

std::vector<IncludeLine> ReadIncludes(const std::filesystem::path& sourceFolder) {
    static const std::regex includeLine(R"(^\s*#\s*include\s*([<"])([^>"]+)[>"])");
    std::vector<IncludeLine> includes;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(sourceFolder)) {
        const std::filesystem::path& path = entry.path();
        if (!entry.is_regular_file() || (path.extension() != ".h" && path.extension() != ".cpp"))
            continue;
        std::ifstream in(path);
        std::string text;
        const std::string file = path.lexically_relative(sourceFolder).generic_string();
        for (int line = 1; std::getline(in, text); ++line) {
            std::smatch match;
            if (std::regex_search(text, match, includeLine))
                includes.push_back({file, line, match[2].str(), match[1].str() == "<"});
        }
    }
    return includes;
}

std::vector<std::string> FloorFaults(const std::vector<IncludeLine>& includes) {
    std::vector<std::string> faults;
    std::set<std::string> unplaced;
    for (const IncludeLine& include : includes) {
        const std::string folder = FolderOf(include.File);
        if (!FloorOf(folder) && unplaced.insert(folder).second)
            faults.push_back("src/" + include.File + ": the folder " + folder + " has no floor");
        CheckOneInclude(include, faults);
    }
    const std::vector<std::string> circles = CircleFinder(EdgesBetweenFolders(includes)).Find();
    faults.insert(faults.end(), circles.begin(), circles.end());
    return faults;
}

}  // namespace mox::test
