// SPDX-License-Identifier: GPL-3.0-or-later
#include "bench/ProseText.h"

#include <algorithm>
#include <cctype>

namespace {
// Common English words, the most common first.
constexpr const char* kWords =
    "the of and to a in is it you that he was for on are with as I his they be at one have this from or "
    "had by not word but what some we can out other were all there when up use your how said an each she "
    "which do their time if will way about many then them write would like so these her long make thing "
    "see him two has look more day could go come did number sound no most people my over know water than "
    "call first who may down side been now find any new work part take get place made live where after "
    "back little only round man year came show every good me give our under name very through just form "
    "sentence great think say help low line differ turn cause much mean before move right boy old too "
    "same tell does set three want air well also play small end put home read hand port large spell add "
    "even land here must big high such follow act why ask men change went light kind off need house "
    "picture try us again animal point mother world near build self earth father head stand own page "
    "should country found answer school grow study still learn plant cover food sun four between state "
    "keep eye never last let thought city tree cross farm hard start might story saw far sea draw left "
    "late run while press close night real life few north open seem together next white children begin "
    "got walk example ease paper group always music those both mark often letter until mile river car "
    "feet care second book carry took science eat room friend began idea fish mountain stop once base "
    "hear horse cut sure watch colour face wood main enough plain girl usual young ready above ever red "
    "list though feel talk bird soon body dog family direct pose leave song measure door product black "
    "short numeral class wind question happen complete ship area half rock order fire south problem "
    "piece told knew pass since top whole king space heard best hour better true during hundred five "
    "remember step early hold west ground interest reach fast verb sing listen six table travel less "
    "morning ten simple several vowel toward war lay against pattern slow centre love person money serve "
    "appear road map rain rule govern pull cold notice voice unit power town fine certain fly fall lead "
    "cry dark machine note wait plan figure star box noun field rest correct able pound done beauty "
    "drive stood contain front teach week final gave green oh quick develop ocean warm free minute "
    "strong special mind behind clear tail produce fact street inch multiply nothing course stay wheel "
    "full force blue object decide surface deep moon island foot system busy test record boat common "
    "gold possible plane stead dry wonder laugh thousand ago ran check game shape equate hot miss "
    "brought heat snow tire bring yes distant fill east paint language among grand ball yet wave drop "
    "heart am present heavy dance engine position arm wide sail material size vary settle speak weight "
    "general ice matter circle pair include divide syllable felt perhaps pick sudden count square reason "
    "length represent art subject region energy hunt probable bed brother egg ride cell believe fraction "
    "forest sit race window store summer train sleep prove lone leg exercise wall catch mount wish sky "
    "board joy winter sat written wild instrument kept glass grass cow job edge sign visit past soft fun "
    "bright gas weather month million bear finish happy hope flower clothe strange gone jump baby eight "
    "village meet root buy raise solve metal whether push seven paragraph third shall held hair describe "
    "cook floor either result burn hill safe cat century consider type law bit coast copy phrase silent "
    "tall sand soil roll temperature finger industry value fight lie beat excite natural view sense ear "
    "else quite broke case middle kill son lake moment scale loud spring observe child straight "
    "consonant nation dictionary milk speed method organ pay age section dress cloud surprise quiet "
    "stone tiny climb cool design poor lot experiment bottom key iron single stick flat twenty skin "
    "smile crease hole trade melody trip office receive row mouth exact symbol die least trouble shout "
    "except wrote seed tone join suggest clean break lady yard rise bad blow oil blood touch grew cent "
    "mix team wire cost lost brown wear garden equal sent choose fell fit flow fair bank collect save "
    "control decimal gentle woman captain practice separate difficult doctor please protect noon whose "
    "locate ring character insect caught period indicate radio spoke atom human history effect electric "
    "expect crop modern element hit student corner party supply bone rail imagine provide agree thus "
    "capital chair danger fruit rich thick soldier process operate guess necessary sharp wing create "
    "neighbour wash bat rather crowd corn compare poem string bell depend meat rub tube famous dollar "
    "stream fear sight thin triangle planet hurry chief colony clock mine tie enter major fresh search "
    "send yellow gun allow print dead spot desert suit current lift rose continue block chart hat sell "
    "success company subtract event particular deal swim term opposite wife shoe shoulder spread arrange "
    "camp invent cotton born determine quart nine truck noise level chance gather shop stretch throw "
    "shine property column molecule select wrong grey repeat require broad prepare salt nose plural "
    "anger claim continent oxygen sugar death pretty skill women season solution magnet silver thank "
    "branch match suffix especially fig afraid huge sister steel discuss forward similar guide "
    "experience score apple bought led pitch coat mass card band rope slip win dream evening condition "
    "feed tool total basic smell valley nor double seat arrive master track parent shore division sheet "
    "substance favour connect post spend chord fat glad original share station dad bread charge proper "
    "bar offer segment slave duck instant market degree populate chick dear enemy reply drink occur "
    "support speech nature range steam motion path liquid log meant quotient teeth shell neck harbour "
    "zero prize dozen lazy zone freeze puzzle amazing horizon citizen bronze organize realize breeze "
    "frozen jazz quiz wizard blaze crazy maze haze zeal zigzag ";
}  // namespace

ProseText::ProseText() {
  std::string_view all(kWords);
  std::uint64_t total = 0;
  for (std::size_t at = 0; at < all.size();) {
    const std::size_t end = all.find(' ', at);
    words_.push_back(all.substr(at, end - at));
    total += 1000000 / (words_.size() + 1);  // the n-th word (from 1) as often as 1/(n+1)
    cumulative_.push_back(total);
    at = end + 1;
  }
}

std::string_view ProseText::word(std::mt19937_64& rng) const {
  const std::uint64_t at = rng() % cumulative_.back();
  return words_[std::size_t(std::upper_bound(cumulative_.begin(), cumulative_.end(), at) - cumulative_.begin())];
}

// Sentences of 6 to 25 words, a comma now and then, lines wrapped before 72
// columns and a blank line between paragraphs.
std::string ProseText::make(std::mt19937_64& rng, std::size_t bytes) const {
  std::string out;
  out.reserve(bytes + 128);
  std::size_t column = 0;
  while (out.size() < bytes) {
    const std::uint64_t sentenceWords = 6 + rng() % 20;
    for (std::uint64_t w = 0; w < sentenceWords; ++w) {
      std::string_view next = word(rng);
      if (column + next.size() + 2 > 72) {
        out += '\n';
        column = 0;
      } else if (column > 0) {
        out += ' ';
        ++column;
      }
      const std::size_t from = out.size();
      out += next;
      if (w == 0) out[from] = char(std::toupper(static_cast<unsigned char>(out[from])));
      if (w + 1 == sentenceWords) out += '.';
      else if (rng() % 10 == 0) out += ',';
      column += out.size() - from;
    }
    if (rng() % 6 == 0) {
      out += "\n\n";
      column = 0;
    }
  }
  out.resize(bytes);
  return out;
}
