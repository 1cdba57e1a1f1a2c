// The second-level kanji that boards use, as tools/kanjiclasses/board-kanji.py prints them: the
// radicals and marks of kaomoji and text art, then the 300 second-level kanji found in the most
// headwords of EDICT (with those as frequent as the 300th). Kept here rather than made at build
// time, so that building needs no dictionary of 19 MB for a list of 361 characters.
#include "cli/KanjiClasses.h"

namespace tarumo::cli {

const std::string_view kBoardKanji =
    "彡乂廾丶丿亅亠冂冫凵勹匚匸卩厂厶宀尸巛幺广彳戈从丱卅兀冖囗夂夊尢屮彑廴弋攴攵殳爻"
    "爿癶艸虍乢曰籠蛛壺屁頸蠅丼鬱揉鉤捩漿炒茹蝠蝙椒鮨撥嘴烟瘡梟痺翅儘臍藪蜴蜥貪嵌祓籤"
    "饅扁眩睨拉椰洒滓皺蛉蜻餡膣薇刳已擂疵瘍瘤綺胚毀撓檜穢薔褌鬢搗鋏鷸黴剪爛脛蝗誦賤鄙"
    "騙鬚鰓棘毬濾翳舐憑截暈燻猩瞑羞膠飩鴉猥礫窩繞腋苺褄饂俯囃奸巫旁疣癇蟇齧刹喩嗅嗜搦"
    "榴疽箒絨辣餠擲楔涎痒矮趾顰哥嬌彙捏攣瀉燵竈縒肛萬藝蜀贔雉麩剌曼媚曖狡痙癬篩簇虱躁"
    "輻銜闊髷鯱鰌鼬仄佞屓拗梳梵炬熨砒礬腱荼訛贅辯閻闕鶯鸚麸埒屎拵洟浚磔碾簀膵茫蓼蘆頌"
    "頽冪吝喘嘲娑婢戌朧滲焙爬獺疱縋翔蕷蚓蚯螂褥褸襤譚鍼閨靄佗凛辨呵咄咬哺嘔埃悄攫枷梃"
    "槃涅灌甕癸瞼縷罐芒蹠釉閾霰驕鯊麝鼈侘做僭凭喇奕寇屏抉槓涸渾游癩祠竦筵緘腑蒡藉蘿蝸"
    "諧鯰鶉鶸黐齣傲几卍咎嗄囂孰弩懶旱橙櫃毫氈濤癪碌箋脾苞莢薊蘊蛄螻諷讚鑿濶顆饒髯鰈鹹"
    "龕";

}  // namespace tarumo::cli
