#pragma once

#include <string>
#include <string_view>
#include <vector>

// Writes JSON text: objects, arrays and strings, either indented by two
// spaces per level (one value per line, an empty container as [] or {}) or
// on one line. Strings are taken as UTF-8; bytes that are not valid UTF-8
// become U+FFFD, one per maximal ill-formed piece, so the text is always
// valid JSON in UTF-8 whatever the input holds.
class CJsonWriter {
public:
    explicit CJsonWriter(bool bIndented = true) : m_bIndented(bIndented) {}

    void BeginObject();
    void EndObject();
    void BeginArray();
    void EndArray();
    // The next value's name; only inside an object.
    void Key(std::string_view strName);
    void String(std::string_view strValue);
    void Number(long long nValue);

    // The text so far; complete once every container is ended.
    const std::string& Text() const { return m_strText; }

    // strText as a JSON string literal with its quotes.
    static std::string Quote(std::string_view strText);

private:
    void BeforeValue();
    void Begin(char chOpen);
    void End(char chClose);
    void NewLine();

    bool m_bIndented;
    std::string m_strText;
    // Per open container: whether it holds a value yet.
    std::vector<bool> m_vecbHasValue;
    bool m_bAfterKey = false;
};
