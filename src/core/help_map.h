// Where each help request lands. The program asks for help as WinHelp would: by command
// (contents, help on help, a topic, a popup) and context number. The pages are an HTML
// help set in the data folder's "help" directory; every context number has an anchor
// "h<number>" on one of its pages, and the paragraph carrying that anchor is the short
// text a popup shows.
#pragma once
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace tw {

constexpr char kHelpDir[] = "help";
constexpr char kHelpIndexPage[] = "index.html";
constexpr char kHelpOnHelpPage[] = "hilfe.html";

struct HelpTopic {
  uint32_t context;
  const char* page;  // file name inside the help directory
};

// Every context number the program passes, ascending.
std::span<const HelpTopic> HelpTopics();
// Page of `context`, or nullptr for a number the help set does not know.
const char* HelpPageFor(uint32_t context);
// Anchor name of `context` on its page: "h" and the number.
std::string HelpAnchor(uint32_t context);

// Menu commands that share one popup: the recent files and the window list.
uint32_t HelpPopupContext(int commandId);

// "file:///" URL of `page` (and `anchor` when not empty) inside `helpDir`, an absolute
// CP1252 path with "\" or "/" separators; non-ASCII and reserved characters are escaped
// as UTF-8, as browsers read file URLs.
std::string HelpFileUrl(std::string_view helpDir, std::string_view page, std::string_view anchor);

// Plain text of the element whose id is `anchor` in the UTF-8 page `html`: tags dropped,
// entities and white space resolved, converted to CP1252 (characters it lacks become
// '?'). Empty when the anchor is missing.
std::string HelpSummary(std::string_view html, std::string_view anchor);

// Whether `html` carries the anchor (as id="...").
bool HelpHasAnchor(std::string_view html, std::string_view anchor);

}  // namespace tw
