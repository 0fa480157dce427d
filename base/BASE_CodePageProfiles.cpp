#include "base/BASE_CodePageProfiles.h"

#include <iterator>

namespace base {

// Orders are rough: only the first few dozen of a list weigh much more than the rest.
const CodePageProfile_t kCodePageProfiles[] = {
    // French, German, Spanish, Portuguese, Italian, Dutch, the Nordic languages.
    {1252, Script_t::latin, false, u"éèàüöäáíóñçêúâôãåøßëîïõæùìœûòýÿ"},
    // Czech, Polish, Slovak, Hungarian, Slovene, Croatian, Romanian.
    {1250, Script_t::latin, false, u"áíéěřčšžýůóąęłńśżźćúöüőűťďňľĺôäŕăâîşţđ"},
    // Russian, Ukrainian, Belarusian, Bulgarian, Serbian, Macedonian.
    {1251, Script_t::cyrillic, false, u"оеаинтсрвлкмдпуяызьбгчйхжшюцщэфъёіїєґўјљњђћџѓќѕ"},
    {1253, Script_t::greek, false, u"αοειτνσρκπμηλυςωδγάέίόήύώθχφβξζψϊϋΐΰ"},
    {1254, Script_t::latin, false, u"ıüşçğöâîû"},
    {1255, Script_t::hebrew, false, u"יוהלארמבתשנעדכקחפגסצזטםןךףץ"},
    // Arabic, then the letters Persian and Urdu add.
    {1256, Script_t::arabic, false, u"الينمرتوبعهدكقسفحجةشصطخزذثضغظءأإآىؤئپچگکژےہھںٹڈڑ"},
    // Latvian, Lithuanian, Estonian.
    {1257, Script_t::latin, false, u"āšēīūėąųžčįęõäüöņļķģ"},
    // Vietnamese: the letters it adds to ASCII; tone marks follow their vowel as combining marks.
    {1258, Script_t::latin, false, u"ơưđâêôăàáéíóúùòìèãõý"},
    {874, Script_t::thai, false,
     u"านอรกเงมย่ดวลสบทตคีั้ิไปหะแพจุืขชใโถซำูผ็์ศษฟฝฉฮธภญณฐฒฑฆฌฎฏฤ๊๋"},
    {932, Script_t::cjk, true,
     u"のいうかしにとてたなはるすきがでもっくつこおれらりまさあんをだよみけせじちえわやどめそろねほ"
     u"ンーイルストラリクタッアカシレロコテマサキメドプジフオナエミハバウデグブダ"
     u"日本人東京大阪名古屋横浜神戸都府道県市区町村北南西上下中山川田島野原高新長小松井石岡森谷崎沢江湖海"
     u"港公園橋通駅寺社宮城前後会学校病院館店丁目一二三四五六七八九十台口水花白青福富金里見平和安千葉"
     u"埼玉栃木群馬茨静愛知岐阜重滋賀奈良歌兵庫鳥取根広徳香媛佐熊分鹿児沖縄札幌仙潟宿渋池袋品浅草座"
     u"々時間入出生行来方自分事者年月空港温泉峠岬浦崎坂"},
    {936, Script_t::cjk, true,
     u"的一是不了人我在有他这中大来上国个到说们为子和你地出道也时年得就那要下以生会自着去之过家学对可"
     u"里后小么心多天而能好都然没日于起还发成事只作当想看文无开手十用主行方又如前所本见经头面公同三已"
     u"老从动两长知民样现分将外但身些与高意进把法此实回二理美点月明其种声全工己话儿者向情部正名定女问"
     u"力机给等几很业最间新什打便位因重被走电四第门相次东政海口使教西再平真听世气信北少关并内加化由却"
     u"代军产入先山五太水万市眼体别处总才场师书比住员九笑性通目华报立马命张活难神数件安表原车白应路期"
     u"省县镇村乡街桥湖州庄河湾岛区广江苏浙福建湖南云贵陕甘宁青藏黑龙吉辽河京津沪渝庆汉杭深圳厦门站园"},
    {949, Script_t::cjk, true,
     u"이다는의에가을하고지기서로한자사대리도수어시나정아인전부구게주해마상보조우일소라국제관장여신동"
     u"면만경성원방문그화적무오연요선실계현공비모회산학내위유진안강없거저개데것들분생했습니까된교용물"
     u"울천광남북군읍길역호을양포평청충경주제김박최송백두한라설악봉덕용인창원목진해"},
    {950, Script_t::cjk, true,
     u"的一是不了人我在有他這中大來上國個到說們為子和你地出道也時年得就那要下以生會自著去之過家學對可"
     u"裡後小麼心多天而能好都然沒日於起還發成事只作當想看文無開手十用主行方又如前所本見經頭面公同三已"
     u"老從動兩長知民樣現分將外但身些與高意進把法此實回二理美點月明其種聲全工己話兒者向情部正名定女問"
     u"力機給等幾很業最間新什打便位因重被走電四第門相次東政海口使教西再平真聽世氣信北少關並內加化由卻"
     u"代軍產入先山五太水萬市眼體別處總才場師書比住員九笑性通目華報立馬命張活難神數件安表原車白應路期"
     u"省縣鎮村鄉街橋湖州莊河灣島區廣江蘇浙福建南雲貴陝甘寧青藏黑龍吉遼京津滬渝慶漢杭深圳廈門站園臺台"},
};
const std::size_t kCodePageProfileCount = std::size(kCodePageProfiles);

}  // namespace base
