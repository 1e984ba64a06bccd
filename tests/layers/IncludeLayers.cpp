#include "IncludeLayers.h"

#include <algorithm>
#include <array>
#include <fstream>
#include <optional>
#include <regex>
#include <string_view>

namespace vur {

namespace {

struct TLayer {
    std::string_view Folder;
    int Rank;
};

// Folders of equal rank are side by side: neither includes the other.
constexpr std::array<TLayer, 6> Layers{
    {{"platform", 0}, {"framework", 1}, {"format", 2}, {"chart", 3}, {"app", 4}, {"embed", 4}}};

// The only folders whose files include Qt headers.
constexpr std::array<std::string_view, 2> QtFolders{"platform/ui/qt/", "embed/qt/"};

bool StartsWith(std::string_view Text, std::string_view Prefix) {
    return Text.substr(0, Prefix.size()) == Prefix;
}

std::optional<TLayer> LayerOf(std::string_view Path) {
    for (const TLayer& L : Layers)
        if (StartsWith(Path, L.Folder) && Path.size() > L.Folder.size() && Path[L.Folder.size()] == '/')
            return L;
    return std::nullopt;
}

bool MayUseQt(std::string_view Path) {
    return std::any_of(QtFolders.begin(), QtFolders.end(),
                       [&](std::string_view Folder) { return StartsWith(Path, Folder); });
}

// Qt's headers are <QWidget>, <QtCore/QObject>, <QtGlobal>: no other header
// the tree uses begins with a capital Q.
bool IsQtHeader(std::string_view Name) { return !Name.empty() && Name[0] == 'Q'; }

// A quoted include names a path from the root, as the build's include path
// does, or failing that one beside the including file.
std::string ResolveQuoted(const std::string& Name, const std::filesystem::path& Dir) {
    if (LayerOf(Name)) return std::filesystem::path(Name).lexically_normal().generic_string();
    return (Dir / Name).lexically_normal().generic_string();
}

bool Breaks(const std::string& File, char Opening, const std::string& Name) {
    if (Opening == '<') return IsQtHeader(Name) && !MayUseQt(File);
    const std::optional<TLayer> From = LayerOf(File);
    const std::optional<TLayer> To = LayerOf(ResolveQuoted(Name, std::filesystem::path(File).parent_path()));
    if (!From || !To) return false;
    return To->Rank > From->Rank || (To->Rank == From->Rank && To->Folder != From->Folder);
}

void CheckFile(const std::filesystem::path& Root, const std::string& File,
               std::vector<TIncludeViolation>& Found) {
    static const std::regex Include(R"(^\s*#\s*include\s*([<"])([^>"]+)[>"])");
    std::ifstream In(Root / File);
    std::string Text;
    for (int Line = 1; std::getline(In, Text); ++Line) {
        std::smatch M;
        if (!std::regex_search(Text, M, Include)) continue;
        if (Breaks(File, M[1].str()[0], M[2].str())) Found.push_back({File, Line, M[2].str()});
    }
}

} // namespace

std::vector<TIncludeViolation> FindIncludeViolations(const std::filesystem::path& Root) {
    std::vector<std::string> Files;
    for (const TLayer& L : Layers) {
        const std::filesystem::path Folder = Root / L.Folder;
        if (!std::filesystem::is_directory(Folder)) continue;
        for (const auto& Entry : std::filesystem::recursive_directory_iterator(Folder)) {
            const std::filesystem::path& P = Entry.path();
            if (Entry.is_regular_file() && (P.extension() == ".h" || P.extension() == ".cpp"))
                Files.push_back(P.lexically_relative(Root).generic_string());
        }
    }
    std::sort(Files.begin(), Files.end());
    std::vector<TIncludeViolation> Found;
    for (const std::string& File : Files) CheckFile(Root, File, Found);
    return Found;
}

} // namespace vur
