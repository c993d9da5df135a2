// TStringList: an ordered list of byte strings with the text and name=value views that
// INI lists, option lists and captured console output are handled through.
#pragma once

#include <string>
#include <vector>

namespace tw {

class TStringList {
public:
    int Count() const { return static_cast<int>(items_.size()); }
    const std::string& operator[](int index) const;
    std::string& operator[](int index);
    int Add(std::string s);
    void Insert(int index, std::string s);
    void Delete(int index);
    void Clear() { items_.clear(); }
    // Index of the first string equal to s, ignoring ASCII case; -1 when absent.
    int IndexOf(const std::string& s) const;

    // All strings, each followed by CR LF.
    std::string Text() const;
    // Replaces the list with the lines of text; CR, LF and CR LF each end a line.
    void SetText(const std::string& text);

    // name=value view: the part before the first '=' of a line, and the value for a name.
    std::string Names(int index) const;
    std::string Values(const std::string& name) const;

    const std::vector<std::string>& Items() const { return items_; }

private:
    std::vector<std::string> items_;
};

// ASCII-only case helpers used by every case-insensitive lookup of the program: only A-Z and
// a-z change, every other byte (UTF-8 sequences included) stays as it is.
std::string LowerCase(std::string s);
std::string UpperCase(std::string s);
// s without leading and trailing blanks and control characters (every byte up to ' ').
std::string Trim(const std::string& s);
bool SameText(const std::string& a, const std::string& b);

}  // namespace tw
