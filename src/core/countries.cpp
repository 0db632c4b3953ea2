#include "countries.h"

#include <algorithm>
#include <array>
#include <compare>

namespace kf {

namespace {

struct TCountry {
    const char* code;
    const char* name;
    bool listed;  // offered by the "Nationality" list
};

// Index order is the server's; do not sort or renumber.
constexpr std::array<TCountry, kCountryCount> kCountries{{
    {"GBR", "United kingdom", false},  // 0
    {"USA", "United states", true},  // 1
    {"BER", "Bermuda", true},  // 2
    {"SWE", "Sweden", true},  // 3
    {"ITA", "Italy", true},  // 4
    {"CAN", "Canada", true},  // 5
    {"PUR", "Puerto rico", true},  // 6
    {"IND", "India", true},  // 7
    {"BOL", "Bolivia", true},  // 8
    {"NED", "Netherlands", true},  // 9
    {"GER", "Germany", true},  // 10
    {"SUI", "Switzerland", true},  // 11
    {"FRA", "France", true},  // 12
    {"ISR", "Israel", true},  // 13
    {"SPA", "Spain", true},  // 14
    {"CHI", "Chile", true},  // 15
    {"BAH", "Bahamas", true},  // 16
    {"ARG", "Argentina", true},  // 17
    {"DMA", "Dominica", true},  // 18
    {"BEL", "Belgium", true},  // 19
    {"IRL", "Ireland", true},  // 20
    {"JPN", "Japan", true},  // 21
    {"AUS", "Australia", true},  // 22
    {"THA", "Thailand", true},  // 23
    {"CHN", "China", true},  // 24
    {"MAS", "Malaysia", true},  // 25
    {"PAK", "Pakistan", true},  // 26
    {"NZL", "New zealand", true},  // 27
    {"KOR", "Korea rep", true},  // 28
    {"HKG", "Hong kong", true},  // 29
    {"SIN", "Singapore", true},  // 30
    {"BAN", "Bangladesh", true},  // 31
    {"UKR", "Ukraine", true},  // 32
    {"INA", "Indonesia", true},  // 33
    {"PHI", "Philippines", true},  // 34
    {"Taiwan", "Taiwan", true},  // 35
    {"AFG", "Afghanistan", true},  // 36
    {"VIE", "Vietnam", true},  // 37
    {"VAN", "Vanuatu", true},  // 38
    {"PAN", "Panama", true},  // 39
    {"?", "New caledonia", true},  // 40
    {"BRU", "Brunei", true},  // 41
    {"GRE", "Greece", true},  // 42
    {"Saudi arabia", "Saudi arabia", true},  // 43
    {"POL", "Poland", true},  // 44
    {"CZE", "Czech republic", true},  // 45
    {"RUS", "Russian", true},  // 46
    {"DEN", "Denmark", true},  // 47
    {"NGR", "Nigeria", true},  // 48
    {"ZIM", "Zimbabwe", true},  // 49
    {"LBR", "Liberia", true},  // 50
    {"IRQ", "Iraq", true},  // 51
    {"CMR", "Cameroon", true},  // 52
    {"SUD", "Sudan", true},  // 53
    {"GHA", "Ghana", true},  // 54
    {"GAB", "Gabon", true},  // 55
    {"CYP", "Cyprus", true},  // 56
    {"NOR", "Norway", true},  // 57
    {"AUT", "Austria", true},  // 58
    {"TJK", "Tajikistan", true},  // 59
    {"POR", "Portugal", true},  // 60
    {"TUR", "Turkey", true},  // 61
    {"Iran", "Iran", true},  // 62
    {"GEO", "Georgia", true},  // 63
    {"BLR", "Belarus", true},  // 64
    {"ARM", "Armenia", true},  // 65
    {"LIB", "Lebanon", true},  // 66
    {"MDA", "Moldova", true},  // 67
    {"BUL", "Bulgaria", true},  // 68
    {"FIN", "Finland", true},  // 69
    {"Mozambique", "Mozambique", true},  // 70
    {"ANG", "Angola", true},  // 71
    {"KEN", "Kenya", true},  // 72
    {"Congo dem rep", "Congo dem rep", false},  // 73
    {"MAD", "Madagascar", true},  // 74
    {"TAN", "Tanzania", true},  // 75
    {"TOG", "Togo", true},  // 76
    {"Zambia", "Zambia", true},  // 77
    {"OMA", "Oman", true},  // 78
    {"LAT", "Latvia", true},  // 79
    {"KAZ", "Kazakhstan", true},  // 80
    {"EST", "Estonia", true},  // 81
    {"SVK", "Slovakia", true},  // 82
    {"Jordan", "Jordan", true},  // 83
    {"HUN", "Hungary", true},  // 84
    {"KUW", "Kuwait", true},  // 85
    {"ALB", "Albania", true},  // 86
    {"LTU", "Lithuania", true},  // 87
    {"SWZ", "Swaziland", true},  // 88
    {"SMR", "San marino", true},  // 89
    {"ROM", "Romania", true},  // 90
    {"Czechoslovakia", "Czechoslovakia", false},  // 91
    {"MKD", "Macedonia", true},  // 92
    {"CRO", "Croatia", true},  // 93
    {"MAR", "Morocco", true},  // 94
    {"LUX", "Luxembourg", true},  // 95
    {"Algeria", "Algeria", true},  // 96
    {"ISL", "Iceland", true},  // 97
    {"LIE", "Liechtenstein", true},  // 98
    {"CRI", "Costa rica", true},  // 99
    {"MLT", "Malta", true},  // 100
    {"GAM", "Gambia", true},  // 101
    {"South africa", "South africa", true},  // 102
    {"MAW", "Malawi", true},  // 103
    {"SLO", "Slovenia", true},  // 104
    {"Falkland islands", "Falkland islands", false},  // 105
    {"AZE", "Azerbaijan", true},  // 106
    {"EGY", "Egypt", true},  // 107
    {"MON", "Monaco", true},  // 108
    {"HAI", "Haiti", true},  // 109
    {"GUM", "Guam", true},  // 110
    {"ECU", "Ecuador", true},  // 111
    {"MEX", "Mexico", true},  // 112
    {"CAY", "Cayman islands", true},  // 113
    {"PER", "Peru", true},  // 114
    {"COL", "Colombia", true},  // 115
    {"HON", "Honduras", true},  // 116
    {"SLE", "Sierra leone", true},  // 117
    {"IVB", "Virgin islands, british", false},  // 118
    {"DOM", "Dominican republic", true},  // 119
    {"BIZ", "Belize", true},  // 120
    {"AHO", "Netherlands antilles", true},  // 121
    {"TRI", "Trinidad and tobago", true},  // 122
    {"VEN", "Venezuela", true},  // 123
    {"ANT", "Antigua and barbuda", true},  // 124
    {"Northern mariana islands", "Northern mariana islands", false},  // 125
    {"ISV", "Virgin islands, u.s.", false},  // 126
    {"BIH", "Bosnia", true},  // 127
    {"CUB", "Cuba", true},  // 128
    {"CGO", "Congo, republic of", false},  // 129
    {"BRA", "Brazil", true},  // 130
    {"ESA", "El salvador", true},  // 131
    {"LCA", "Saint lucia", true},  // 132
    {"PAR", "Paraguay", true},  // 133
    {"SUR", "Suriname", true},  // 134
    {"NCA", "Nicaragua", true},  // 135
    {"BAR", "Barbados", true},  // 136
    {"SKN", "Saint kitts and nevis", true},  // 137
    {"JAM", "Jamaica", true},  // 138
    {"SYR", "Syrian arab republic", true},  // 139
    {"BRN", "Bahrain", true},  // 140
    {"SRB", "Serbia", true},  // 141
    {"KGZ", "Kyrgyzstan", true},  // 142
    {"Reunion", "Reunion", true},  // 143
    {"MRI", "Mauritius", true},  // 144
    {"Ivory coast", "Ivory coast", true},  // 145
    {"Chad", "Chad", true},  // 146
    {"Faroe islands", "Faroe islands", true},  // 147
    {"SOM", "Somalia", true},  // 148
    {"MLI", "Mali", true},  // 149
    {"Palestinian", "Palestinian", true},  // 150
    {"BDI", "Burundi", true},  // 151
    {"GUI", "Guinea", true},  // 152
    {"UZB", "Uzbekistan", true},  // 153
    {"ETH", "Ethiopia", true},  // 154
    {"SEN", "Senegal", true},  // 155
    {"NRU", "Nauru", true},  // 156
    {"RWA", "Rwanda", true},  // 157
    {"Yemen", "Yemen", true},  // 158
    {"COM", "Comoros", true},  // 159
    {"UAE", "United arab emirates", true},  // 160
    {"NAM", "Namibia", true},  // 161
    {"UGA", "Uganda", true},  // 162
    {"BEN", "Benin", true},  // 163
    {"LES", "Lesotho", true},  // 164
    {"MTN", "Mauritania", true},  // 165
    {"Libya", "Libya", true},  // 166
    {"QAT", "Qatar", true},  // 167
    {"LAO", "Lao people's democratic republic", false},  // 168
    {"Sri lanka", "Sri lanka", true},  // 169
    {"NEP", "Nepal", true},  // 170
    {"GUY", "Guyana", true},  // 171
    {"TUN", "Tunisia", true},  // 172
    {"Martinique", "Martinique", true},  // 173
    {"Guadeloupe", "Guadeloupe", true},  // 174
    {"SEY", "Seychelles", true},  // 175
    {"BOT", "Botswana", true},  // 176
    {"NIG", "Niger", true},  // 177
    {"Vatican city", "Vatican city", false},  // 178
    {"TKM", "Turkmenistan", true},  // 179
    {"&nbsp;", "Jersey", false},  // 180
    {"Gibraltar", "Gibraltar", true},  // 181
    {"Mayotte", "Mayotte", true},  // 182
    {"BUR", "Burkina faso", true},  // 183
    {"AND", "Andorra", true},  // 184
    {"MNE", "Montenegro", true},  // 185
    {"Macao", "Macao", true},  // 186
    {"Antarctica", "Antarctica", false},  // 187
    {"Greenland", "Greenland", false},  // 188
    {"MGL", "Mongolia", true},  // 189
    {"CAM", "Cambodia", true},  // 190
    {"French polynesia", "French polynesia", false},  // 191
    {"MDV", "Maldives", true},  // 192
    {"FIJ", "Fiji", true},  // 193
    {"Micronesia", "Micronesia", true},  // 194
    {"GUA", "Guatemala", true},  // 195
    {"URU", "Uruguay", true},  // 196
    {"PNG", "Papua new guinea", true},  // 197
    {"CAF", "Central african republic", true},  // 198
    {"ERI", "Eritrea", true},  // 199
    {"GBS", "Guinea-bissau", true},  // 200
    {"DJI", "Djibouti", true},  // 201
    {"GEQ", "Equatorial guinea", true},  // 202
    {"&aring;land islands", "&aring;land islands", false},  // 203
    {"CPV", "Cape verde", true},  // 204
    {"STP", "Sao tome and principe", false},  // 205
    {"VIN", "Saint vincent and the grenadines", false},  // 206
    {"GRN", "Grenada", true},  // 207
    {"ARU", "Aruba", true},  // 208
    {"French guiana", "French guiana", true},  // 209
    {"South georgia and the south sandwich islands", "South georgia and the south sandwich islands", false},  // 210
    {"SOL", "Solomon islands", true},  // 211
    {"Tuvalu", "Tuvalu", true},  // 212
    {"Samoa", "Samoa", true},  // 213
    {"KIR", "Kiribati", true},  // 214
    {"TGA", "Tonga", true},  // 215
    {"British indian ocean territory", "British indian ocean territory", false},  // 216
    {"Niue", "Niue", true},  // 217
    {"COK", "Cook islands", true},  // 218
    {"ASA", "American samoa", true},  // 219
    {"Timor-leste", "Timor-leste", false},  // 220
    {"Tokelau", "Tokelau", true},  // 221
    {"BHU", "Bhutan", true},  // 222
    {"PLW", "Palau", true},  // 223
    {"Norfolk island", "Norfolk island", true},  // 224
    {"Myanmar", "Myanmar", true},  // 225
    {"Anguilla", "Anguilla", true},  // 226
    {"Montserrat", "Montserrat", true},  // 227
    {"United states minor outlying islands", "United states minor outlying islands", false},  // 228
    {"", "", false},  // 229
    {"", "", false},  // 230
    {"ENG", "England", true},  // 231
    {"SCO", "Scotland", true},  // 232
    {"WAL", "Wales", true},  // 233
}};

const TCountry* entry(int index) {
    if (index < 0 || index >= kCountryCount) return nullptr;
    return &kCountries[static_cast<std::size_t>(index)];
}

unsigned char foldAscii(char c) {
    unsigned char b = static_cast<unsigned char>(c);
    return (b >= 'A' && b <= 'Z') ? static_cast<unsigned char>(b - 'A' + 'a') : b;
}

// std::string compares as unsigned bytes, so the tiebreak is plain operator<.
bool nationalityLess(const std::string& a, const std::string& b) {
    auto folded = std::lexicographical_compare_three_way(a.begin(), a.end(), b.begin(), b.end(),
        [](char x, char y) { return foldAscii(x) <=> foldAscii(y); });
    if (folded != 0) return folded < 0;
    return a < b;
}

}  // namespace

std::string countryCode(int index) {
    const TCountry* c = entry(index);
    return c ? c->code : std::string();
}

std::string countryName(int index) {
    const TCountry* c = entry(index);
    return c ? c->name : std::string();
}

int countryIndex(std::string_view name) {
    if (name.empty()) return -1;
    for (int i = 0; i < kCountryCount; ++i) {
        const TCountry& c = kCountries[static_cast<std::size_t>(i)];
        // Index 0 is not in the list but the server still uses its name.
        if ((c.listed || i == 0) && name == c.name) return i;
    }
    return -1;
}

const std::vector<std::string>& nationalityList() {
    static const std::vector<std::string> list = [] {
        std::vector<std::string> names;
        for (const TCountry& c : kCountries)
            if (c.listed) names.emplace_back(c.name);
        std::sort(names.begin(), names.end(), nationalityLess);
        return names;
    }();
    return list;
}

TRect flagCell(int index) {
    if (index < 0 || index >= kFlagCells) return {};
    int left = kFlagWidth * (index % kFlagsPerRow);
    int top = kFlagHeight * (index / kFlagsPerRow);
    return {left, top, left + kFlagWidth, top + kFlagHeight};
}

}  // namespace kf
