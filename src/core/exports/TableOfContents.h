#pragma once

namespace tinyxml2 {
class XMLElement;
}  // namespace tinyxml2

namespace lumaret::exports {

// Fills the result of the body's table-of-contents field (the field whose instruction
// starts with "TOC") with one entry per "Heading1" and "Heading2" paragraph, styled "TOC1"
// and "TOC2". The page numbers are left to word processors that refresh fields (they
// rebuild the whole list); those that do not still show the headings. A body without such a field is left as it is; false when it is malformed.
bool RebuildTableOfContents(tinyxml2::XMLElement* body);

}  // namespace lumaret::exports
