#include "reftables.h"

#include <cmath>

namespace kf {

namespace {

const char* verticalCode(double v) {
    if (v < 35) return "D";
    if (v < 39) return "DM";
    if (v < 46) return "M";
    if (v < 50) return "AM";
    return "F";
}

const char* horizontalCode(double h) {
    if (h < 37) return "R";
    if (h < 47) return "RC";
    if (h < 53) return "C";
    if (h < 63) return "LC";
    return "L";
}

// Share of `part` in `part + other`, in percent, evaluated in exactly this
// order so that the band edges fall where the web pages put them (7 of 20 is
// 35 exactly). The sum is taken in double: two large counts must not overflow.
double percentOf(std::int32_t part, std::int32_t other) {
    return 100.0 / (static_cast<double>(part) + static_cast<double>(other)) * part;
}

bool isLetter(unsigned char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
bool isDigit(unsigned char c) { return c >= '0' && c <= '9'; }

bool isAtom(unsigned char c) {
    if (c >= 128) return true;
    if (c < 33 || c == 127) return false;
    switch (c) {
    case '"': case '(': case ')': case ',': case '.': case '/': case ':': case ';':
    case '<': case '>': case '@': case '[': case '\\': case ']':
        return false;
    default:
        return true;
    }
}

}  // namespace

std::string positionText(std::int32_t up, std::int32_t down, std::int32_t left, std::int32_t right) {
    // Compared in 64 bits for the same reason as percentOf.
    if (std::int64_t{up} + down <= 0 || std::int64_t{left} + right <= 0) return {};
    return std::string(verticalCode(percentOf(up, down))) + " " + horizontalCode(percentOf(left, right));
}

std::string regionName(int index) {
    switch (index) {
    case 0: return "Europe";
    case 1: return "South America";
    default: return {};
    }
}

int regionIndex(std::string_view name) {
    if (name == "Europe") return 0;
    if (name == "South America") return 1;
    return -1;
}

std::string roleName(int role) {
    switch (role) {
    case 0: return "Player";
    case 1: return "Admin";
    case 2: return "Master";
    default: return {};
    }
}

std::string fieldSizeName(int size) {
    switch (size) {
    case 1: return "Small";
    case 2: return "Normal";
    case 3: return "Large";
    default: return {};
    }
}

bool allowedChar(char c) {
    unsigned char b = static_cast<unsigned char>(c);
    if (isLetter(b) || isDigit(b)) return true;
    switch (b) {
    case '\'': case '_': case '@': case '.': case '-': case '!': case ' ':
        return true;
    default:
        return false;
    }
}

bool allowedName(std::string_view name) {
    for (char c : name)
        if (!allowedChar(c)) return false;
    return true;
}

std::string experienceLevel(std::int32_t experience) {
    // sqrt of a negative count has no level; such a count can only be a
    // server fault, and the lowest level is the harmless thing to show.
    if (experience <= 0) return "0";
    return std::to_string(static_cast<std::int64_t>(std::trunc(std::sqrt(static_cast<double>(experience)) / 7.0)));
}

bool validEmail(std::string_view text) {
    enum State { LocalStart, LocalWord, Quoted, QuotedEscape, AfterQuote, AfterDot, LabelStart, Label, AfterHyphen };
    State state = LocalStart;
    int labels = 1;
    for (char ch : text) {
        unsigned char c = static_cast<unsigned char>(ch);
        switch (state) {
        case LocalStart:
        case AfterDot:
            if (isAtom(c)) state = LocalWord;
            else if (c == '"') state = Quoted;
            else return false;
            break;
        case LocalWord:
            if (isAtom(c)) state = LocalWord;
            else if (c == '@') state = LabelStart;
            else if (c == '.') state = AfterDot;
            else return false;
            break;
        case Quoted:
            if (c == '"') state = AfterQuote;
            else if (c == '\\') state = QuotedEscape;
            else if (c == '\r') return false;
            break;
        case QuotedEscape:
            state = Quoted;
            break;
        case AfterQuote:
            if (c == '@') state = LabelStart;
            else if (c == '.') state = AfterDot;
            else return false;
            break;
        case LabelStart:
            if (isLetter(c)) state = Label;
            else return false;
            break;
        case Label:
            if (isLetter(c) || isDigit(c)) state = Label;
            else if (c == '-') state = AfterHyphen;
            else if (c == '.') { state = LabelStart; ++labels; }
            else return false;
            break;
        case AfterHyphen:
            if (c == '-') state = AfterHyphen;
            else if (isLetter(c) || isDigit(c)) state = Label;
            else return false;
            break;
        }
    }
    return state == Label && labels >= 2;
}

}  // namespace kf
