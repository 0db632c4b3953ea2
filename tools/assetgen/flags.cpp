// "textures/2d/flags.png": 10 columns x 24 rows of 16 x 11 cells in the
// country table's index order, built from the public-domain flag icons of
// Debian's famfamfam-flag-png. Countries without an icon get a grey "?" cell;
// unused indices (229, 230, 234 and above) stay transparent.
#include "assetgen.h"
#include "paint.h"

#include <QFile>

namespace assetgen {

namespace {

constexpr int kCellW = 16, kCellH = 11, kColumns = 10, kRows = 24;

// Icon name by country index; nullptr = no country at that index.
const char* const kIcon[] = {
    "gb",        // 0 United kingdom
    "us",        // 1 United states
    "bm",        // 2 Bermuda
    "se",        // 3 Sweden
    "it",        // 4 Italy
    "ca",        // 5 Canada
    "pr",        // 6 Puerto rico
    "in",        // 7 India
    "bo",        // 8 Bolivia
    "nl",        // 9 Netherlands
    "de",        // 10 Germany
    "ch",        // 11 Switzerland
    "fr",        // 12 France
    "il",        // 13 Israel
    "es",        // 14 Spain
    "cl",        // 15 Chile
    "bs",        // 16 Bahamas
    "ar",        // 17 Argentina
    "dm",        // 18 Dominica
    "be",        // 19 Belgium
    "ie",        // 20 Ireland
    "jp",        // 21 Japan
    "au",        // 22 Australia
    "th",        // 23 Thailand
    "cn",        // 24 China
    "my",        // 25 Malaysia
    "pk",        // 26 Pakistan
    "nz",        // 27 New zealand
    "kr",        // 28 Korea rep
    "hk",        // 29 Hong kong
    "sg",        // 30 Singapore
    "bd",        // 31 Bangladesh
    "ua",        // 32 Ukraine
    "id",        // 33 Indonesia
    "ph",        // 34 Philippines
    "tw",        // 35 Taiwan
    "af",        // 36 Afghanistan
    "vn",        // 37 Vietnam
    "vu",        // 38 Vanuatu
    "pa",        // 39 Panama
    "nc",        // 40 New caledonia
    "bn",        // 41 Brunei
    "gr",        // 42 Greece
    "sa",        // 43 Saudi arabia
    "pl",        // 44 Poland
    "cz",        // 45 Czech republic
    "ru",        // 46 Russian
    "dk",        // 47 Denmark
    "ng",        // 48 Nigeria
    "zw",        // 49 Zimbabwe
    "lr",        // 50 Liberia
    "iq",        // 51 Iraq
    "cm",        // 52 Cameroon
    "sd",        // 53 Sudan
    "gh",        // 54 Ghana
    "ga",        // 55 Gabon
    "cy",        // 56 Cyprus
    "no",        // 57 Norway
    "at",        // 58 Austria
    "tj",        // 59 Tajikistan
    "pt",        // 60 Portugal
    "tr",        // 61 Turkey
    "ir",        // 62 Iran
    "ge",        // 63 Georgia
    "by",        // 64 Belarus
    "am",        // 65 Armenia
    "lb",        // 66 Lebanon
    "md",        // 67 Moldova
    "bg",        // 68 Bulgaria
    "fi",        // 69 Finland
    "mz",        // 70 Mozambique
    "ao",        // 71 Angola
    "ke",        // 72 Kenya
    "cd",        // 73 Congo dem rep
    "mg",        // 74 Madagascar
    "tz",        // 75 Tanzania
    "tg",        // 76 Togo
    "zm",        // 77 Zambia
    "om",        // 78 Oman
    "lv",        // 79 Latvia
    "kz",        // 80 Kazakhstan
    "ee",        // 81 Estonia
    "sk",        // 82 Slovakia
    "jo",        // 83 Jordan
    "hu",        // 84 Hungary
    "kw",        // 85 Kuwait
    "al",        // 86 Albania
    "lt",        // 87 Lithuania
    "sz",        // 88 Swaziland
    "sm",        // 89 San marino
    "ro",        // 90 Romania
    "cz",        // 91 Czechoslovakia (its flag is the Czech one)
    "mk",        // 92 Macedonia
    "hr",        // 93 Croatia
    "ma",        // 94 Morocco
    "lu",        // 95 Luxembourg
    "dz",        // 96 Algeria
    "is",        // 97 Iceland
    "li",        // 98 Liechtenstein
    "cr",        // 99 Costa rica
    "mt",        // 100 Malta
    "gm",        // 101 Gambia
    "za",        // 102 South africa
    "mw",        // 103 Malawi
    "si",        // 104 Slovenia
    "fk",        // 105 Falkland islands
    "az",        // 106 Azerbaijan
    "eg",        // 107 Egypt
    "mc",        // 108 Monaco
    "ht",        // 109 Haiti
    "gu",        // 110 Guam
    "ec",        // 111 Ecuador
    "mx",        // 112 Mexico
    "ky",        // 113 Cayman islands
    "pe",        // 114 Peru
    "co",        // 115 Colombia
    "hn",        // 116 Honduras
    "sl",        // 117 Sierra leone
    "vg",        // 118 Virgin islands, british
    "do",        // 119 Dominican republic
    "bz",        // 120 Belize
    "an",        // 121 Netherlands antilles
    "tt",        // 122 Trinidad and tobago
    "ve",        // 123 Venezuela
    "ag",        // 124 Antigua and barbuda
    "mp",        // 125 Northern mariana islands
    "vi",        // 126 Virgin islands, u.s.
    "ba",        // 127 Bosnia
    "cu",        // 128 Cuba
    "cg",        // 129 Congo, republic of
    "br",        // 130 Brazil
    "sv",        // 131 El salvador
    "lc",        // 132 Saint lucia
    "py",        // 133 Paraguay
    "sr",        // 134 Suriname
    "ni",        // 135 Nicaragua
    "bb",        // 136 Barbados
    "kn",        // 137 Saint kitts and nevis
    "jm",        // 138 Jamaica
    "sy",        // 139 Syrian arab republic
    "bh",        // 140 Bahrain
    "rs",        // 141 Serbia
    "kg",        // 142 Kyrgyzstan
    "re",        // 143 Reunion
    "mu",        // 144 Mauritius
    "ci",        // 145 Ivory coast
    "td",        // 146 Chad
    "fo",        // 147 Faroe islands
    "so",        // 148 Somalia
    "ml",        // 149 Mali
    "ps",        // 150 Palestinian
    "bi",        // 151 Burundi
    "gn",        // 152 Guinea
    "uz",        // 153 Uzbekistan
    "et",        // 154 Ethiopia
    "sn",        // 155 Senegal
    "nr",        // 156 Nauru
    "rw",        // 157 Rwanda
    "ye",        // 158 Yemen
    "km",        // 159 Comoros
    "ae",        // 160 United arab emirates
    "na",        // 161 Namibia
    "ug",        // 162 Uganda
    "bj",        // 163 Benin
    "ls",        // 164 Lesotho
    "mr",        // 165 Mauritania
    "ly",        // 166 Libya
    "qa",        // 167 Qatar
    "la",        // 168 Lao people's democratic republic
    "lk",        // 169 Sri lanka
    "np",        // 170 Nepal
    "gy",        // 171 Guyana
    "tn",        // 172 Tunisia
    "mq",        // 173 Martinique
    "gp",        // 174 Guadeloupe
    "sc",        // 175 Seychelles
    "bw",        // 176 Botswana
    "ne",        // 177 Niger
    "va",        // 178 Vatican city
    "tm",        // 179 Turkmenistan
    "je",        // 180 Jersey
    "gi",        // 181 Gibraltar
    "yt",        // 182 Mayotte
    "bf",        // 183 Burkina faso
    "ad",        // 184 Andorra
    "me",        // 185 Montenegro
    "mo",        // 186 Macao
    "aq",        // 187 Antarctica
    "gl",        // 188 Greenland
    "mn",        // 189 Mongolia
    "kh",        // 190 Cambodia
    "pf",        // 191 French polynesia
    "mv",        // 192 Maldives
    "fj",        // 193 Fiji
    "fm",        // 194 Micronesia
    "gt",        // 195 Guatemala
    "uy",        // 196 Uruguay
    "pg",        // 197 Papua new guinea
    "cf",        // 198 Central african republic
    "er",        // 199 Eritrea
    "gw",        // 200 Guinea-bissau
    "dj",        // 201 Djibouti
    "gq",        // 202 Equatorial guinea
    "ax",        // 203 Aland islands
    "cv",        // 204 Cape verde
    "st",        // 205 Sao tome and principe
    "vc",        // 206 Saint vincent and the grenadines
    "gd",        // 207 Grenada
    "aw",        // 208 Aruba
    "gf",        // 209 French guiana
    "gs",        // 210 South georgia and the south sandwich islands
    "sb",        // 211 Solomon islands
    "tv",        // 212 Tuvalu
    "ws",        // 213 Samoa
    "ki",        // 214 Kiribati
    "to",        // 215 Tonga
    "io",        // 216 British indian ocean territory
    "nu",        // 217 Niue
    "ck",        // 218 Cook islands
    "as",        // 219 American samoa
    "tl",        // 220 Timor-leste
    "tk",        // 221 Tokelau
    "bt",        // 222 Bhutan
    "pw",        // 223 Palau
    "nf",        // 224 Norfolk island
    "mm",        // 225 Myanmar
    "ai",        // 226 Anguilla
    "ms",        // 227 Montserrat
    "um",        // 228 United states minor outlying islands
    nullptr,     // 229 (unused)
    nullptr,     // 230 (unused)
    "england",   // 231 England
    "scotland",  // 232 Scotland
    "wales",     // 233 Wales
};
constexpr int kCountries = static_cast<int>(sizeof(kIcon) / sizeof(kIcon[0]));
static_assert(kCountries == 234);

QImage placeholder() {
    QImage img = filled(kCellW, kCellH, QColor(150, 150, 150));
    QPainter p(&img);
    p.setPen(QColor(110, 110, 110));
    p.drawRect(0, 0, kCellW - 1, kCellH - 1);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    p.setFont(uiFont(10, true));
    p.setPen(Qt::white);
    p.drawText(QRect(0, 0, kCellW, kCellH), Qt::AlignCenter, "?");
    return img;
}

}  // namespace

void writeFlags(Output& out) {
    QImage sheet = filled(kColumns * kCellW, kRows * kCellH, QColor(0, 0, 0, 0));
    const QImage unknown = placeholder();
    QPainter p(&sheet);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    for (int n = 0; n < kCountries; ++n) {
        if (!kIcon[n]) continue;
        const QRect cell((n % kColumns) * kCellW, (n / kColumns) * kCellH, kCellW, kCellH);
        const QString file = QString(KF_FLAG_ICON_DIR "/%1.png").arg(kIcon[n]);
        QImage icon;
        if (!QFile::exists(file) || !icon.load(file)) {
            p.drawImage(cell.topLeft(), unknown);
            continue;
        }
        icon = icon.convertToFormat(QImage::Format_ARGB32);
        // Odd sizes (11 x 11, 16 x 12, 9 x 11) are centred, and cropped where taller.
        const int sx = std::max(0, (icon.width() - kCellW) / 2), sy = std::max(0, (icon.height() - kCellH) / 2);
        const int w = std::min(icon.width(), kCellW), h = std::min(icon.height(), kCellH);
        p.drawImage(QPoint(cell.x() + (kCellW - w) / 2, cell.y() + (kCellH - h) / 2), icon, QRect(sx, sy, w, h));
    }
    p.end();
    out.savePng(sheet, "textures/2d/flags.png");
}

}  // namespace assetgen
