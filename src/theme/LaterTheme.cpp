#include "LaterTheme.h"

#include "ColorValue.h"
#include "ThemeError.h"

#include <cctype>

namespace tintwright::theme {

namespace {

[[noreturn]] void refuse(const std::string& reason, int line = 0)
{
    throw ThemeError(ErrorNumber::TypeMismatch, reason, line);
}

bool isNameCharacter(char c)
{
    return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '_' || c == '-' || c == '.' || c == ':'
        || static_cast<unsigned char>(c) >= 0x80;
}

bool isNameStart(char c)
{
    return std::isalpha(static_cast<unsigned char>(c)) != 0 || c == '_' || c == ':'
        || static_cast<unsigned char>(c) >= 0x80;
}

// Whether a character reference names a character XML allows.
bool isXmlCharacter(unsigned long code)
{
    return code == 0x9 || code == 0xA || code == 0xD || (code >= 0x20 && code <= 0xD7FF)
        || (code >= 0xE000 && code <= 0xFFFD) || (code >= 0x10000 && code <= 0x10FFFF);
}

// Why `text` (an attribute value or the text between tags) is not well-formed,
// or nothing: a control character, a "&" that begins no reference, a
// reference to a character XML does not allow or to an entity other than the
// five XML itself declares (a theme declares none of its own).
std::string malformedText(std::string_view text)
{
    for (std::size_t at = 0; at < text.size(); ++at) {
        const auto c = static_cast<unsigned char>(text[at]);
        if (c < 0x20 && c != '\t' && c != '\n' && c != '\r') {
            return "a control character (byte " + std::to_string(c) + ")";
        }
        if (c != '&') {
            continue;
        }
        const std::size_t end = text.find(';', at);
        const std::string_view name =
            end == std::string_view::npos ? std::string_view() : text.substr(at + 1, end - at - 1);
        if (name.empty() || name.find_first_of(" \t\r\n&<\"'") != std::string_view::npos) {
            return "a \"&\" that begins no reference (write &amp;)";
        }
        if (name.front() == '#') {
            const bool hex = name.size() > 1 && name[1] == 'x';
            const std::string_view digits = name.substr(hex ? 2 : 1);
            unsigned long code = 0;
            bool valid = !digits.empty() && digits.size() <= 8;
            for (const char digit : digits) {
                const int value = hex ? hexDigitValue(digit) : (digit >= '0' && digit <= '9' ? digit - '0' : -1);
                valid = valid && value >= 0;
                code = code * (hex ? 16 : 10) + static_cast<unsigned long>(value < 0 ? 0 : value);
            }
            if (!valid || !isXmlCharacter(code)) {
                return "the reference &" + std::string(name) + "; to no character XML allows";
            }
        } else if (name != "lt" && name != "gt" && name != "amp" && name != "quot" && name != "apos") {
            return "a reference to the entity &" + std::string(name) + ";, which a theme does not declare";
        }
        at = end;
    }
    return {};
}

// An attribute value as it may stand between double quotes in a line of its
// own, meaning what it meant: line ends and tabs become the blanks an XML
// reader makes of them, and a double quote becomes &quot;.
std::string forDoubleQuotes(std::string_view value)
{
    std::string result;
    for (const char c : value) {
        if (c == '"') {
            result += "&quot;";
        } else {
            result += c == '\t' || c == '\n' || c == '\r' ? ' ' : c;
        }
    }
    return result;
}

struct Tag {
    std::string name;
    std::vector<std::pair<std::string, std::string>> attributes;
    bool closing = false; // </name>
    bool empty = false; // <name ... />

    std::string attribute(std::string_view key) const
    {
        for (const auto& [attributeName, value] : attributes) {
            if (attributeName == key) {
                return value;
            }
        }
        return {};
    }
};

// A small reader of the XML these themes are: a declaration, comments,
// elements with quoted attributes, white space between them.
class XmlScanner {
public:
    explicit XmlScanner(std::string_view text)
        : m_text(text)
    {
    }

    // The next tag, or nothing at the end of the text.
    std::optional<Tag> next()
    {
        for (;;) {
            skipText();
            if (m_at >= m_text.size()) {
                return std::nullopt;
            }
            if (startsWith("<?")) {
                skipPast("?>", "a declaration that is not closed");
            } else if (startsWith("<!--")) {
                skipPast("-->", "a comment that is not closed");
            } else if (startsWith("<!")) {
                skipPast(">", "a declaration that is not closed");
            } else {
                return tag();
            }
        }
    }

    int line() const { return m_line; }

private:
    bool startsWith(std::string_view prefix) const { return m_text.substr(m_at, prefix.size()) == prefix; }

    void advance(std::size_t count)
    {
        for (std::size_t i = 0; i < count && m_at < m_text.size(); ++i, ++m_at) {
            m_line += m_text[m_at] == '\n' ? 1 : 0;
        }
    }

    void skipPast(std::string_view end, const char* problem)
    {
        const std::size_t found = m_text.find(end, m_at);
        if (found == std::string_view::npos) {
            refuse(std::string("the file ends inside ") + problem + ".", m_line);
        }
        advance(found + end.size() - m_at);
    }

    // Text between tags: white space only in a theme; other text is ignored,
    // but it must be well-formed.
    void skipText()
    {
        const std::size_t start = m_at;
        const int line = m_line;
        while (m_at < m_text.size() && m_text[m_at] != '<') {
            advance(1);
        }
        if (const std::string problem = malformedText(m_text.substr(start, m_at - start)); !problem.empty()) {
            refuse("the text between tags holds " + problem + ".", line);
        }
    }

    void skipBlanks()
    {
        while (m_at < m_text.size() && std::isspace(static_cast<unsigned char>(m_text[m_at])) != 0) {
            advance(1);
        }
    }

    std::string name()
    {
        if (m_at < m_text.size() && !isNameStart(m_text[m_at]) && isNameCharacter(m_text[m_at])) {
            refuse(std::string("a name begins with \"") + m_text[m_at] + "\", which no XML name may.", m_line);
        }
        const std::size_t start = m_at;
        while (m_at < m_text.size() && isNameCharacter(m_text[m_at])) {
            advance(1);
        }
        if (m_at == start) {
            refuse("a tag without a name, or a stray \"<\".", m_line);
        }
        return std::string(m_text.substr(start, m_at - start));
    }

    Tag tag()
    {
        advance(1); // <
        Tag result;
        if (startsWith("/")) {
            advance(1);
            result.closing = true;
        }
        result.name = name();
        for (;;) {
            skipBlanks();
            if (m_at >= m_text.size()) {
                refuse("the file ends inside the tag <" + result.name + ">.", m_line);
            }
            const char c = m_text[m_at];
            if (c == '>') {
                advance(1);
                return result;
            }
            if (c == '/' && !result.closing && startsWith("/>")) {
                advance(2);
                result.empty = true;
                return result;
            }
            if (result.closing) {
                refuse("the closing tag </" + result.name + "> holds more than its name.", m_line);
            }
            std::string key = name();
            skipBlanks();
            if (!startsWith("=")) {
                refuse("the attribute " + key + " of <" + result.name + "> has no value.", m_line);
            }
            advance(1);
            skipBlanks();
            if (m_at >= m_text.size() || (m_text[m_at] != '"' && m_text[m_at] != '\'')) {
                refuse("the value of " + key + " in <" + result.name + "> is not quoted.", m_line);
            }
            const char quote = m_text[m_at];
            advance(1);
            const std::size_t end = m_text.find(quote, m_at);
            if (end == std::string_view::npos) {
                refuse("the value of " + key + " in <" + result.name + "> is not closed.", m_line);
            }
            const std::string_view value = m_text.substr(m_at, end - m_at);
            if (value.find('<') != std::string::npos) {
                refuse("the value of " + key + " in <" + result.name + "> holds a \"<\".", m_line);
            }
            if (const std::string problem = malformedText(value); !problem.empty()) {
                refuse("the value of " + key + " in <" + result.name + "> holds " + problem + ".", m_line);
            }
            for (const auto& earlier : result.attributes) {
                if (earlier.first == key) {
                    refuse("<" + result.name + "> gives the attribute " + key + " twice.", m_line);
                }
            }
            advance(end + 1 - m_at);
            result.attributes.emplace_back(std::move(key), forDoubleQuotes(value));
        }
    }

    std::string_view m_text;
    std::size_t m_at = 0;
    int m_line = 1;
};

} // namespace

std::optional<LaterColor> laterColor(std::string_view value)
{
    if ((value.size() != 7 && value.size() != 9) || value.front() != '#') {
        return std::nullopt;
    }
    int digits[8] = {0, 0, 0, 0, 0, 0, 15, 15};
    for (std::size_t i = 1; i < value.size(); ++i) {
        digits[i - 1] = hexDigitValue(value[i]);
        if (digits[i - 1] < 0) {
            return std::nullopt;
        }
    }
    const auto byte = [&](int at) { return static_cast<std::uint8_t>(digits[at] * 16 + digits[at + 1]); };
    return LaterColor {byte(0), byte(2), byte(4), byte(6)};
}

LaterTheme readLaterTheme(std::string_view text)
{
    XmlScanner scanner(text);
    std::vector<std::string> open; // the elements open around the next tag
    LaterTheme theme;
    bool sawRoot = false;
    bool sawColors = false; // <Theme> or <SkinManager>, whichever holds the colours
    bool sawRgbLines = false; // an element's colour as R, G and B children, as Live 10 writes it
    const auto isWrapper = [](const std::string& name) { return name == "Theme" || name == "SkinManager"; };
    while (const std::optional<Tag> tag = scanner.next()) {
        if (tag->closing) {
            if (open.empty() || open.back() != tag->name) {
                refuse("</" + tag->name + "> closes "
                           + (open.empty() ? std::string("nothing") : "<" + open.back() + ">")
                           + ": the tags do not nest.",
                       scanner.line());
            }
            open.pop_back();
            continue;
        }
        if (open.empty()) {
            if (sawRoot) {
                refuse("there is more after the end of the document.", scanner.line());
            }
            sawRoot = true;
            if (tag->name != "Ableton") {
                refuse("this is XML, but not a Live theme: its root is <" + tag->name + ">, not <Ableton>.");
            }
            theme.creator = tag->attribute("Creator");
            theme.majorVersion = tag->attribute("MajorVersion");
            theme.minorVersion = tag->attribute("MinorVersion");
        } else if (open.size() == 1) {
            sawColors = sawColors || isWrapper(tag->name);
        } else if (open.size() == 2 && isWrapper(open[1])) {
            theme.records.push_back({tag->name, tag->attribute("Value"), !tag->empty});
        } else if (open.size() == 3 && isWrapper(open[1])) {
            sawRgbLines = sawRgbLines || tag->name == "R" || tag->name == "G" || tag->name == "B";
        }
        if (!tag->empty) {
            open.push_back(tag->name);
        }
    }
    if (!open.empty()) {
        refuse("the file ends before </" + open.back() + ">: it is cut off.", scanner.line());
    }
    if (!sawRoot) {
        refuse("there is no XML element in it: this is no Live theme.");
    }
    // What the colours look like decides, whatever the element around them is called.
    if (sawRgbLines) {
        refuse("this is a theme of Live 10 (its colours are R, G and B lines): open it as it is.");
    }
    if (!sawColors) {
        refuse("this is XML, but not a Live theme: <Ableton> holds no <Theme>.");
    }
    return theme;
}

} // namespace tintwright::theme
