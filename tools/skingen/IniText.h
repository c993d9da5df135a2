// TIniText: an INI text built section by section, in the order written, with CR LF line ends.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace tw::skingen {

class TIniText {
public:
    // Starts a section; keys added afterwards belong to it.
    void Section(const std::string& name);
    void Key(const std::string& key, const std::string& value);
    void Key(const std::string& key, int value) { Key(key, std::to_string(value)); }
    std::string Text() const;

    using TSection = std::pair<std::string, std::vector<std::pair<std::string, std::string>>>;
    const std::vector<TSection>& Sections() const { return sections_; }

private:
    std::vector<TSection> sections_;
};

}  // namespace tw::skingen
