#include "core/platform/program_folders.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "core/platform/folders.h"
#include "core/platform/program_layout.h"

namespace zorvik::platform {

namespace {

constexpr const char* kProgramName = "zorvik";

// An XDG variable counts only when it holds an absolute path.
std::optional<std::string> absoluteVariable(const EnvironmentLookup& environment,
                                            const char* name) {
    const auto value = environment(name);
    if (!value || value->empty() || value->front() != '/') {
        return std::nullopt;
    }
    return value;
}

std::string withoutTrailingSeparator(std::string path) {
    while (path.size() > 1 && path.back() == '/') {
        path.pop_back();
    }
    return path;
}

// The XDG base folder named by variable, or home/fallback.
std::optional<std::string> baseFolder(const EnvironmentLookup& environment, const char* variable,
                                      const char* fallback) {
    if (const auto value = absoluteVariable(environment, variable)) {
        return withoutTrailingSeparator(*value);
    }
    const auto home = absoluteVariable(environment, "HOME");
    if (!home) {
        return std::nullopt;
    }
    return withoutTrailingSeparator(*home) + "/" + fallback;
}

std::string normalFolder(const std::string& path) {
    return std::filesystem::path(path).lexically_normal().generic_string();
}

std::optional<std::string> processEnvironment(const char* name) {
    const char* value = std::getenv(name);
    return value ? std::optional<std::string>(value) : std::nullopt;
}

} // namespace

ProgramFolders portableFolders(const std::string& executableFolder,
                               const std::string& startFolder) {
    return {executableFolder, startFolder, executableFolder, false};
}

std::optional<ProgramFolders> installedFolders(const EnvironmentLookup& environment) {
    const auto config = baseFolder(environment, "XDG_CONFIG_HOME", ".config");
    const auto data = baseFolder(environment, "XDG_DATA_HOME", ".local/share");
    if (!config || !data) {
        return std::nullopt;
    }
    const std::string catalogue = *data + "/" + kProgramName;
    return ProgramFolders{*config + "/" + kProgramName, catalogue, catalogue, true};
}

std::optional<ProgramFolders> programFolders(const std::string& startFolder) {
    if (!programLayout().installed) {
        return portableFolders(executableFolder(), startFolder);
    }
    return installedFolders(processEnvironment);
}

std::string pluginFolderOf(const std::string& executableFolder,
                           const std::string& pluginsFromExecutable) {
    return normalFolder(executableFolder + "/" + pluginsFromExecutable);
}

std::string pluginFolder() {
    return pluginFolderOf(executableFolder(), programLayout().pluginsFromExecutable);
}

bool createProgramFolders(const ProgramFolders& folders) {
    if (!folders.installed) {
        return true;
    }
    for (const std::string* folder : {&folders.settings, &folders.catalogue}) {
        std::error_code error;
        std::filesystem::create_directories(*folder, error);
        if (error || !std::filesystem::is_directory(*folder, error)) {
            return false;
        }
    }
    return true;
}

} // namespace zorvik::platform
