#include "cli/cli_arguments.h"

namespace zorvik::cli {

bool CliArguments::parse(const std::vector<std::string>& words,
                         const std::set<std::string>& valueOptions,
                         const std::set<std::string>& flags, std::string& error) {
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string& word = words[i];
        if (word.rfind("--", 0) != 0 || word == "--") {
            positional_.push_back(word);
            continue;
        }
        const std::size_t equals = word.find('=');
        const std::string name = word.substr(0, equals);
        if (flags.count(name) != 0 && equals == std::string::npos) {
            flags_.insert(name);
        } else if (valueOptions.count(name) == 0) {
            error = "unknown option " + name;
            return false;
        } else if (equals != std::string::npos) {
            values_[name] = word.substr(equals + 1);
        } else if (i + 1 < words.size()) {
            values_[name] = words[++i];
        } else {
            error = name + " needs a value";
            return false;
        }
    }
    return true;
}

std::optional<std::string> CliArguments::value(const std::string& name) const {
    const auto it = values_.find(name);
    return it == values_.end() ? std::nullopt : std::optional<std::string>(it->second);
}

} // namespace zorvik::cli
