#pragma once

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace zorvik::cli {

// A command's arguments: "--name value" options, "--flag" switches and
// positional words, checked against what the command accepts.
class CliArguments {
public:
    // valueOptions take a value; flags do not. Fails with a message for
    // an unknown option or a missing value.
    bool parse(const std::vector<std::string>& words, const std::set<std::string>& valueOptions,
               const std::set<std::string>& flags, std::string& error);

    std::optional<std::string> value(const std::string& name) const;
    bool has(const std::string& flag) const { return flags_.count(flag) != 0; }
    const std::vector<std::string>& positional() const { return positional_; }

private:
    std::map<std::string, std::string> values_;
    std::set<std::string> flags_;
    std::vector<std::string> positional_;
};

} // namespace zorvik::cli
