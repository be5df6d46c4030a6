#include "core/data_folder.h"

#include "core/posix_file.h"
#include "core/text_rules.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <dirent.h>
#include <memory>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>

namespace filmeria {
namespace {

constexpr const char* kPasswordFile = "unins000.dll";
constexpr const char* kGuide = "Guida.pdf";
constexpr const char* kLetterheadFile = "Tessera.ini";

} // namespace

DataFolderChoice chooseDataFolder(const DataFolderEnvironment& environment) {
    if (environment.option && !environment.option->empty())
        return {withTrailingSeparator(*environment.option), DataFolderKind::Option};
    if (environment.holdsArchives(environment.executableFolder) &&
        environment.isWritable(environment.executableFolder))
        return {environment.executableFolder, DataFolderKind::Portable};
    const std::string base = !environment.xdgDataHome.empty()
                                 ? withTrailingSeparator(environment.xdgDataHome)
                                 : withTrailingSeparator(environment.home) + ".local/share/";
    return {base + "filmeria-pro/", DataFolderKind::User};
}

bool isYearFileName(std::string_view name) {
    return name.size() == 8 && name.substr(4) == ".nol" &&
           std::all_of(name.begin(), name.begin() + 4, [](char c) { return c >= '0' && c <= '9'; });
}

bool isStoreFileName(std::string_view name) {
    return name == "Film.db" || name == "Clienti.pro" || name == kPasswordFile || name == kLetterheadFile ||
           isYearFileName(name);
}

std::vector<std::string> storeFiles(const std::string& folder) {
    const auto present = [&](const char* name) { return ::access((folder + name).c_str(), F_OK) == 0; };
    std::vector<std::string> names;
    for (const char* archive : {"Film.db", "Clienti.pro"}) {
        if (present(archive))
            names.emplace_back(archive);
    }
    std::vector<std::string> years;
    if (std::unique_ptr<DIR, int (*)(DIR*)> dir(::opendir(folder.c_str()), ::closedir); dir) {
        while (const dirent* entry = ::readdir(dir.get())) {
            const std::string name = entry->d_name;
            if (isYearFileName(name))
                years.push_back(name);
        }
    }
    std::sort(years.begin(), years.end());
    names.insert(names.end(), years.begin(), years.end());
    for (const char* settings : {kPasswordFile, kLetterheadFile}) {
        if (present(settings))
            names.emplace_back(settings);
    }
    return names;
}

bool folderHoldsRecords(const std::string& folder) {
    const std::vector<std::string> names = storeFiles(folder);
    return std::any_of(names.begin(), names.end(), [](const std::string& name) {
        return name != kLetterheadFile && name != kPasswordFile;
    });
}

bool folderHoldsArchives(const std::string& folder) {
    const std::vector<std::string> names = storeFiles(folder);
    return std::any_of(names.begin(), names.end(),
                       [](const std::string& name) { return name != kLetterheadFile; });
}

DataFolderEnvironment systemDataFolderEnvironment(std::optional<std::string> option,
                                                  const std::string& executableFolder) {
    const char* xdg = std::getenv("XDG_DATA_HOME");
    const char* home = std::getenv("HOME");
    return {std::move(option),
            executableFolder,
            xdg ? xdg : "",
            home ? home : "",
            folderHoldsArchives,
            [](const std::string& folder) { return ::access(folder.c_str(), W_OK | X_OK) == 0; }};
}

std::optional<std::string> folderOption(int argc, const char* const* argv) {
    const std::string_view name = "--cartella";
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == name && i + 1 < argc)
            return std::string(argv[i + 1]);
        if (argument.size() > name.size() + 1 && argument.substr(0, name.size()) == name &&
            argument[name.size()] == '=')
            return std::string(argument.substr(name.size() + 1));
    }
    return std::nullopt;
}

void prepareDataFolder(const DataFolderChoice& choice, const std::string& sharedData) {
    const std::string& folder = choice.folder;
    if (choice.kind == DataFolderKind::Portable) {
        if (::access(folder.c_str(), W_OK | X_OK) != 0)
            failOnFile("impossibile scrivere", folder, errno);
        return;
    }
    // Every missing level is made; the last one for its user only.
    bool made = false;
    for (std::size_t slash = folder.find('/', 1); slash != std::string::npos;
         slash = folder.find('/', slash + 1)) {
        const std::string level = folder.substr(0, slash);
        const bool last = slash + 1 >= folder.size();
        if (::mkdir(level.c_str(), last ? 0700 : 0755) == 0)
            made = last;
        else if (errno != EEXIST)
            failOnFile("impossibile creare", level, errno);
    }
    if (::access(folder.c_str(), W_OK | X_OK) != 0)
        failOnFile("impossibile scrivere", folder, errno);
    // The initial password goes only into a new store: in a folder that holds archives, a
    // missing password file stays missing (it is restored from a backup), so deleting the file
    // never resets the store's password.
    const bool newStore = made || !folderHoldsRecords(folder);
    for (const char* name : {kPasswordFile, kGuide}) {
        const std::string target = folder + name;
        if (::access(target.c_str(), F_OK) == 0 || (name == std::string_view(kPasswordFile) && !newStore))
            continue;
        if (const auto bytes = readWholeFile(sharedData + name))
            replaceFileAtomically(target, target + ".tmp", *bytes);
    }
}

} // namespace filmeria
