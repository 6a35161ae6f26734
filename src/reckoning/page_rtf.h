// The upcoming page as RTF for a rich-text view. Every character outside ASCII is written as
// a Unicode escape, so the view shows the right Chinese text whatever the system's ANSI code
// page is; sizes, colours and spacing follow what a browser makes of the page.
#pragma once

#include <string>
#include <vector>

#include "reckoning/page_layout.h"

namespace memo {

// Point size, in half points, of an HTML font size 1 to 7.
int HalfPointsOfHtmlSize(int size);

// The face the view asks for: Chinese face names become the fonts' own English names, which
// every system knows; an unknown non-ASCII face falls back to the default face (empty).
std::string RtfFaceName(const std::u16string& face);

std::string PageRtf(const std::vector<PageParagraph>& paragraphs);

// LayOutPage followed by PageRtf.
std::string PageHtmlToRtf(const std::string& gbkHtml);

}  // namespace memo
