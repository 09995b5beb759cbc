#pragma once

#include <optional>
#include <string>
#include <string_view>

// The bundled sample catalogue: a fixed, generated film catalogue in the markup Kinovra reads.
// Every page is UTF-8 and the same on every call and every machine.
namespace kinovra::sample_site {

inline constexpr int kListPageCount = 37;
inline constexpr int kTitlesPerPage = 20;
inline constexpr int kTitleCount = kListPageCount * kTitlesPerPage;
inline constexpr int kDefaultPort = 17865;

// One title of the catalogue; all texts UTF-8.
struct Title
{
    int id = 0;
    std::string name;
    std::string category;
    std::string updated; // "2026-11-28"
    std::string poster;
    std::string play;
    std::string magnet;
};

// The title at a 0-based place in the catalogue, newest first; place must lie in [0, kTitleCount).
Title TitleAt(int place);
// The place of the title with this id, or -1 when the catalogue has none.
int PlaceOfTitle(int id);

// Request targets: "/?m=vod-type-id-1-pg-3.html" and "/?m=vod-detail-id-9013.html".
std::string ListPageTarget(int page);
std::string TitleTarget(int id);

// List page 1 .. kListPageCount; the empty string for any other number.
std::string ListPageHtml(int page);
// A title's own page; the empty string for an id the catalogue does not have.
std::string TitlePageHtml(int id);
std::string HomePageHtml();
std::string NotFoundHtml();

// The page that the value of the query parameter m names ("" for the home page), or nothing.
std::optional<std::string> PageForQuery(std::string_view m);

} // namespace kinovra::sample_site
