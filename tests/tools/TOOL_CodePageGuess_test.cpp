// --codepage auto and the warning without --codepage, on files of real names in each supported
// code page: 1, 5 or 30 of them, alone or among ASCII names. The choice may be wrong only with a
// warning; 30 names are enough for the right page without one. Prints the table of outcomes.
#include <gtest/gtest.h>

#include <iostream>
#include <iterator>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "base/BASE_CodePageNames.h"
#include "base/BASE_CodePageUnicode.h"
#include "support/SUPPORT_TempFile.h"
#include "tbk/TBK_FileBuilder.h"
#include "tools/cli/TOOL_Command.h"
#include "tools/cli/TOOL_Exit.h"

namespace {

struct Words_t {
    unsigned code_page;
    std::vector<std::string> words;  // UTF-8
};

// Place names and words of each page's languages; Vietnamese with its tone marks apart, as the
// page writes them.
// clang-format off
const Words_t kWords[] = {
    {1252, {u8"Zürich", u8"München", u8"Köln", u8"Düsseldorf", u8"Genève", u8"Besançon", u8"Orléans", u8"Nîmes",
            u8"Málaga", u8"Cádiz", u8"León", u8"Córdoba", u8"Logroño", u8"São Paulo", u8"Brasília", u8"Goiânia",
            u8"Forlì", u8"Cantù", u8"Göteborg", u8"Malmö", u8"Århus", u8"Tromsø", u8"Ærøskøbing", u8"Reykjavík",
            u8"Fußweg", u8"Straße", u8"Café", u8"Crème brûlée", u8"Hôtel de Ville", u8"Château"}},
    {1250, {u8"Łódź", u8"Kraków", u8"Gdańsk", u8"Poznań", u8"Wrocław", u8"Białystok", u8"Częstochowa",
            u8"Świnoujście", u8"Zielona Góra", u8"Plzeň", u8"České Budějovice", u8"Ústí nad Labem",
            u8"Hradec Králové", u8"Mladá Boleslav", u8"Přerov", u8"Třebíč", u8"Kroměříž", u8"Košice", u8"Žilina",
            u8"Banská Bystrica", u8"Trenčín", u8"Győr", u8"Pécs", u8"Székesfehérvár", u8"Nyíregyháza",
            u8"Kecskemét", u8"Črnomelj", u8"Šibenik", u8"Đakovo", u8"Zaječí"}},
    {1251, {u8"Москва", u8"Санкт-Петербург", u8"Новосибирск", u8"Екатеринбург", u8"Казань", u8"Нижний Новгород",
            u8"Челябинск", u8"Самара", u8"Омск", u8"Ростов-на-Дону", u8"Уфа", u8"Красноярск", u8"Воронеж",
            u8"Пермь", u8"Волгоград", u8"Київ", u8"Харків", u8"Одеса", u8"Львів", u8"Мінськ", u8"София",
            u8"Пловдив", u8"Варна", u8"Београд", u8"Нови Сад", u8"Скопје", u8"Охрид", u8"Байкал", u8"Эльбрус",
            u8"озеро"}},
    {1253, {u8"Αθήνα", u8"Θεσσαλονίκη", u8"Πάτρα", u8"Ηράκλειο", u8"Λάρισα", u8"Βόλος", u8"Ιωάννινα", u8"Χανιά",
            u8"Ρόδος", u8"Κέρκυρα", u8"Καλαμάτα", u8"Καβάλα", u8"Σέρρες", u8"Δράμα", u8"Κομοτηνή", u8"Τρίκαλα",
            u8"Λαμία", u8"Χαλκίδα", u8"Ναύπλιο", u8"Μυκήνες", u8"Δελφοί", u8"Ολυμπία", u8"Σαντορίνη", u8"Μύκονος",
            u8"Νάξος", u8"Σπάρτη", u8"Κόρινθος", u8"Μετέωρα", u8"Όλυμπος", u8"Πειραιάς"}},
    {1254, {u8"İstanbul", u8"İzmir", u8"Eskişehir", u8"Şanlıurfa", u8"Diyarbakır", u8"Muğla", u8"Çanakkale",
            u8"Kütahya", u8"Uşak", u8"Iğdır", u8"Ağrı", u8"Niğde", u8"Düzce", u8"Kırıkkale", u8"Kırşehir", u8"Çorum",
            u8"Gümüşhane", u8"Tekirdağ", u8"Balıkesir", u8"Eğirdir", u8"Göreme", u8"Ürgüp", u8"Ölüdeniz",
            u8"Kuşadası", u8"Çeşme", u8"Ardahan", u8"Sinop", u8"Ağlasun", u8"Şile", u8"Kaş"}},
    {1255, {u8"ירושלים", u8"תל אביב", u8"חיפה", u8"באר שבע", u8"אילת", u8"נתניה", u8"אשדוד", u8"אשקלון", u8"טבריה",
            u8"צפת", u8"עכו", u8"נצרת", u8"הרצליה", u8"רחובות", u8"חולון", u8"בת ים", u8"רמת גן", u8"פתח תקווה",
            u8"ראשון לציון", u8"כפר סבא", u8"מודיעין", u8"דימונה", u8"ים המלח", u8"הר הכרמל", u8"מצדה", u8"קיסריה",
            u8"גליל", u8"נגב", u8"עין גדי", u8"כנרת"}},
    {1256, {u8"القاهرة", u8"الإسكندرية", u8"بغداد", u8"دمشق", u8"بيروت", u8"عمان", u8"الرياض", u8"جدة", u8"مكة",
            u8"المدينة", u8"الدوحة", u8"دبي", u8"أبوظبي", u8"مسقط", u8"الكويت", u8"المنامة", u8"تونس", u8"الجزائر",
            u8"الرباط", u8"مراكش", u8"فاس", u8"طرابلس", u8"الخرطوم", u8"صنعاء", u8"حلب", u8"البصرة", u8"الموصل",
            u8"نهر النيل", u8"جبل", u8"صحراء"}},
    {1257, {u8"Rīga", u8"Jūrmala", u8"Liepāja", u8"Rēzekne", u8"Cēsis", u8"Kuldīga", u8"Līvāni", u8"Krāslava",
            u8"Klaipėda", u8"Šiauliai", u8"Panevėžys", u8"Marijampolė", u8"Mažeikiai", u8"Kėdainiai", u8"Telšiai",
            u8"Tauragė", u8"Ukmergė", u8"Plungė", u8"Šilutė", u8"Radviliškis", u8"Gargždai", u8"Biržai",
            u8"Rokiškis", u8"Pärnu", u8"Võru", u8"Jõhvi", u8"Põlva", u8"Kärdla", u8"Türi", u8"Rõuge"}},
    {1258, {u8"Ha\u0300 Nô\u0323i", u8"Hô\u0300 Chi\u0301 Minh", u8"Ha\u0309i Pho\u0300ng", u8"Đa\u0300 Nă\u0303ng", u8"Câ\u0300n Thơ", u8"Huê\u0301", u8"Nha Trang", u8"Đa\u0300 La\u0323t", u8"Vu\u0303ng Ta\u0300u", u8"Quy Nhơn", u8"Ha\u0323 Long", u8"Sa Pa", u8"Phu\u0301 Quô\u0301c", u8"Buôn Ma Thuô\u0323t", u8"Biên Ho\u0300a", u8"Thu\u0309 Dâ\u0300u Mô\u0323t", u8"Vinh", u8"Thanh Ho\u0301a", u8"Nam Đi\u0323nh", u8"Bă\u0301c Ninh", u8"La\u0323ng Sơn", u8"Điê\u0323n Biên Phu\u0309", u8"Hô\u0323i An", u8"My\u0303 Tho", u8"Ra\u0323ch Gia\u0301", u8"Ca\u0300 Mau", u8"So\u0301c Trăng", u8"Long Xuyên", u8"Phan Thiê\u0301t", u8"Tây Ninh"}},
    {874, {u8"กรุงเทพมหานคร", u8"เชียงใหม่", u8"เชียงราย", u8"ภูเก็ต", u8"พัทยา", u8"ขอนแก่น", u8"นครราชสีมา",
           u8"อุดรธานี", u8"หาดใหญ่", u8"สงขลา", u8"อยุธยา", u8"สุโขทัย", u8"กาญจนบุรี", u8"ลำปาง", u8"น่าน",
           u8"แม่ฮ่องสอน", u8"ปาย", u8"หัวหิน", u8"กระบี่", u8"เกาะสมุย", u8"สุราษฎร์ธานี", u8"นครศรีธรรมราช",
           u8"อุบลราชธานี", u8"พิษณุโลก", u8"ระยอง", u8"ชลบุรี", u8"ตราด", u8"เกาะช้าง", u8"แม่น้ำโขง",
           u8"ดอยอินทนนท์"}},
    {932, {u8"東京", u8"大阪", u8"京都", u8"横浜", u8"名古屋", u8"札幌", u8"福岡", u8"神戸", u8"仙台", u8"広島",
           u8"富士山", u8"奈良", u8"鎌倉", u8"日光", u8"箱根", u8"金沢", u8"長崎", u8"熊本", u8"那覇", u8"函館",
           u8"新宿駅", u8"渋谷", u8"浅草寺", u8"琵琶湖", u8"阿蘇山", u8"しらかば", u8"おんせん", u8"みなとみらい",
           u8"トマム", u8"ニセコ"}},
    {936, {u8"北京", u8"上海", u8"广州", u8"深圳", u8"天津", u8"重庆", u8"成都", u8"武汉", u8"南京", u8"杭州",
           u8"西安", u8"长沙", u8"郑州", u8"沈阳", u8"哈尔滨", u8"青岛", u8"大连", u8"厦门", u8"苏州", u8"昆明",
           u8"拉萨", u8"乌鲁木齐", u8"桂林", u8"黄山", u8"长城", u8"泰山", u8"西湖", u8"长江", u8"黄河", u8"故宫"}},
    {949, {u8"서울", u8"부산", u8"인천", u8"대구", u8"대전", u8"광주", u8"울산", u8"수원", u8"제주", u8"전주",
           u8"청주", u8"춘천", u8"강릉", u8"포항", u8"경주", u8"안동", u8"여수", u8"목포", u8"속초", u8"평창",
           u8"한라산", u8"설악산", u8"지리산", u8"북한산", u8"남산", u8"한강", u8"낙동강", u8"해운대", u8"광안리",
           u8"독도"}},
    {950, {u8"臺北", u8"高雄", u8"臺中", u8"臺南", u8"新竹", u8"基隆", u8"桃園", u8"嘉義", u8"花蓮", u8"臺東",
           u8"宜蘭", u8"屏東", u8"苗栗", u8"彰化", u8"南投", u8"雲林", u8"澎湖", u8"金門", u8"馬祖", u8"日月潭",
           u8"阿里山", u8"太魯閣", u8"墾丁", u8"淡水", u8"九份", u8"香港", u8"澳門", u8"九龍", u8"維多利亞港",
           u8"玉山"}},
};
// clang-format on

const char* const kAsciiNames[] = {"Camp", "Summit", "Parking", "Bridge", "Fuel", "Harbour"};

// The bytes of a UTF-8 text in a code page, from the page's own table read backwards.
std::string Encode(const std::string& utf8, unsigned code_page) {
    static std::map<unsigned, std::map<std::u16string, std::string>> tables;
    auto& table = tables[code_page];
    if (table.empty()) {
        std::vector<std::string> sequences;
        for (int b = 0x80; b <= 0xFF; ++b) sequences.push_back(std::string(1, static_cast<char>(b)));
        for (int lead = 0x81; lead <= 0xFE; ++lead)
            for (int trail = 0x40; trail <= 0xFE; ++trail)
                sequences.push_back(std::string{static_cast<char>(lead), static_cast<char>(trail)});
        for (const std::string& bytes : sequences) {
            std::u16string c;
            if (base::AppendUtf16(c, bytes, code_page) == 0 && c.size() == 1) table.emplace(c, bytes);
        }
    }
    std::string bytes;
    for (std::size_t i = 0; i < utf8.size();) {
        // Every character here lies in the Basic Multilingual Plane: one to three bytes.
        const unsigned char lead = static_cast<unsigned char>(utf8[i]);
        const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : 3;
        char32_t c = length == 1 ? lead : length == 2 ? lead & 0x1F : lead & 0x0F;
        for (std::size_t k = 1; k < length; ++k)
            c = (c << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
        i += length;
        if (c < 0x80) {
            bytes += static_cast<char>(c);
            continue;
        }
        const auto found = table.find(std::u16string(1, static_cast<char16_t>(c)));
        EXPECT_NE(found, table.end()) << utf8 << " in " << code_page;
        if (found != table.end()) bytes += found->second;
    }
    return bytes;
}

struct Outcome_t {
    unsigned code_page = 0;  // read as
    int warnings = 0;
    std::string text;  // standard error
};

// The names as waypoints of one file, each with its own place; with ascii, an ASCII name after
// each and every other name after an ASCII word.
Outcome_t Convert(const Words_t& words, std::size_t count, bool ascii,
                  const std::vector<std::string>& options) {
    tbk::FileBuilder_t file(105);
    file.Header();
    for (std::size_t i = 0; i < count; ++i) {
        tbk::Waypoint_t w;
        w.key.name = (ascii && i % 2 ? "Hotel " : "") + Encode(words.words[i], words.code_page);
        w.body.position = tbk::At(10.0 + i * 0.01, 20.0);
        file.Waypoint(w);
        if (ascii) {
            w.key.name = std::string(kAsciiNames[i % std::size(kAsciiNames)]) + " " + std::to_string(i);
            w.body.position = tbk::At(-10.0 - i * 0.01, 20.0);
            file.Waypoint(w);
        }
    }
    test::TempFile_t data(file.Bytes());
    std::vector<std::string> args = {"dump", data.Path()};
    args.insert(args.end(), options.begin(), options.end());
    std::ostringstream out, err;
    EXPECT_EQ(tool::Run(args, out, err), tool::kExitOk) << err.str();
    Outcome_t outcome;
    outcome.text = err.str();
    const std::string key = "\"code_page\": ";
    const std::size_t at = out.str().find(key);
    if (at != std::string::npos) outcome.code_page = std::stoul(out.str().substr(at + key.size()));
    for (std::size_t from = 0; (from = outcome.text.find("warning:", from)) != std::string::npos; ++from)
        ++outcome.warnings;
    return outcome;
}

TEST(CodePageGuess, AutoChoosesThePageOrWarns) {
    const std::size_t kCounts[] = {1, 5, 30};
    std::ostringstream table;
    table
        << "| code page | 1 | 5 | 30 | 1 + ASCII | 5 + ASCII | 30 + ASCII |\n|---|---|---|---|---|---|---|\n";
    int right = 0, cases = 0;
    for (const Words_t& words : kWords) {
        ASSERT_EQ(words.words.size(), 30u) << words.code_page;
        table << "| " << base::DescribeCodePage(words.code_page) << " |";
        for (bool ascii : {false, true}) {
            for (std::size_t count : kCounts) {
                const Outcome_t outcome = Convert(words, count, ascii, {"--codepage", "auto"});
                const bool ok = outcome.code_page == words.code_page;
                EXPECT_LE(outcome.warnings, 1) << outcome.text;
                // Wrong only with a warning; 30 names decide without one.
                EXPECT_TRUE(ok || outcome.warnings == 1)
                    << words.code_page << " " << count << " " << outcome.text;
                if (count == 30) {
                    EXPECT_TRUE(ok && outcome.warnings == 0) << words.code_page << " " << outcome.text;
                }
                const std::string read_as = std::to_string(outcome.code_page);
                table << " "
                      << (ok                 ? "right"
                          : outcome.warnings ? read_as
                                             : "WRONG " + read_as)
                      << (outcome.warnings ? ", warned" : "") << " |";
                right += ok && outcome.warnings == 0;
                ++cases;
            }
        }
        table << "\n";
    }
    std::cout << table.str() << right << " of " << cases << " right without a warning\n";
}

// Without --codepage the texts are read in 1252; a file of another page's names gets one line
// naming that page and the option to give, a file of 1252's names none.
TEST(CodePageGuess, WithoutOptionOneWarningNamesTheLikelyPage) {
    for (const Words_t& words : kWords) {
        const Outcome_t outcome = Convert(words, 30, false, {});
        EXPECT_EQ(outcome.code_page, 1252u);
        if (words.code_page == 1252) {
            EXPECT_EQ(outcome.text, "");
        } else {
            EXPECT_EQ(outcome.warnings, 1) << outcome.text;
            EXPECT_NE(outcome.text.find(base::DescribeCodePage(words.code_page)), std::string::npos)
                << outcome.text;
            EXPECT_NE(outcome.text.find("--codepage " + std::string(base::CodePageName(words.code_page))),
                      std::string::npos)
                << outcome.text;
        }
    }
}

// The names a user knows the pages by, as --codepage takes them.
TEST(CodePageGuess, PagesByName) {
    const std::vector<std::string> words = {u8"Москва"};
    for (const char* name : {"cyrillic", "1251"}) {
        const Outcome_t outcome = Convert(Words_t{1251, words}, 1, false, {"--codepage", name});
        EXPECT_EQ(outcome.code_page, 1251u);
        EXPECT_EQ(outcome.text, "");
    }
    std::ostringstream out, err;
    EXPECT_EQ(tool::Run({"dump", "x.tbk", "--codepage", "klingon"}, out, err), tool::kExitNotOpened);
    EXPECT_NE(err.str().find("unknown code page klingon"), std::string::npos) << err.str();
    std::ostringstream help;
    tool::Run({"--help"}, help, err);
    for (std::size_t i = 0; i < base::kCodePageNameCount; ++i) {
        const base::CodePageName_t& page = base::kCodePageNames[i];
        EXPECT_NE(help.str().find(std::to_string(page.code_page) + " " + page.name), std::string::npos)
            << page.name;
    }
}

}  // namespace
