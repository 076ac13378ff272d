#include "exports/TableOfContents.h"

#include <tinyxml2.h>

#include <cstring>
#include <string>
#include <vector>

namespace lumaret::exports {

namespace {

using tinyxml2::XMLElement;

bool Named(const XMLElement* e, const char* name) { return std::strcmp(e->Name(), name) == 0; }

const char* Attr(const XMLElement* e, const char* name) { return e->Attribute(name) ? e->Attribute(name) : ""; }

std::string StyleOf(const XMLElement* paragraph) {
  const XMLElement* properties = paragraph->FirstChildElement("w:pPr");
  const XMLElement* style = properties ? properties->FirstChildElement("w:pStyle") : nullptr;
  return style ? Attr(style, "w:val") : "";
}

std::string TextOf(const XMLElement* node) {
  std::string text;
  for (const XMLElement* child = node->FirstChildElement(); child; child = child->NextSiblingElement()) {
    if (Named(child, "w:t"))
      text += child->GetText() ? child->GetText() : "";
    else if (!Named(child, "w:instrText"))
      text += TextOf(child);
  }
  return text;
}

// The field character of a run ("begin", "separate", "end"), or "".
std::string FieldCharOf(const XMLElement* run) {
  const XMLElement* c = Named(run, "w:r") ? run->FirstChildElement("w:fldChar") : nullptr;
  return c ? Attr(c, "w:fldCharType") : "";
}

XMLElement* NewRun(XMLElement* paragraph) { return paragraph->InsertNewChildElement("w:r"); }

void AddFieldChar(XMLElement* paragraph, const char* type) {
  NewRun(paragraph)->InsertNewChildElement("w:fldChar")->SetAttribute("w:fldCharType", type);
}

void AddText(XMLElement* paragraph, const std::string& text) {
  XMLElement* t = NewRun(paragraph)->InsertNewChildElement("w:t");
  t->SetText(text.c_str());
  t->SetAttribute("xml:space", "preserve");
}

void SetStyle(XMLElement* paragraph, const char* style) {
  XMLElement* properties = paragraph->FirstChildElement("w:pPr");
  if (!properties) {
    properties = paragraph->GetDocument()->NewElement("w:pPr");
    paragraph->InsertFirstChild(properties);
  }
  XMLElement* s = properties->FirstChildElement("w:pStyle");
  if (!s) {
    s = paragraph->GetDocument()->NewElement("w:pStyle");
    properties->InsertFirstChild(s);
  }
  s->SetAttribute("w:val", style);
}

struct Heading {
  std::string text;
  int level;
};

// The "Heading1" and "Heading2" paragraphs of the body that hold text, in order.
std::vector<Heading> Headings(const XMLElement* body) {
  std::vector<Heading> headings;
  for (const XMLElement* p = body->FirstChildElement("w:p"); p; p = p->NextSiblingElement("w:p")) {
    const std::string style = StyleOf(p);
    const int level = style == "Heading1" ? 1 : style == "Heading2" ? 2 : 0;
    if (std::string text = TextOf(p); level && !text.empty()) headings.push_back({std::move(text), level});
  }
  return headings;
}

}  // namespace

bool RebuildTableOfContents(XMLElement* body) {
  // The paragraph of the field's instruction, and its begin run.
  XMLElement* first = nullptr;
  for (XMLElement* p = body->FirstChildElement("w:p"); p && !first; p = p->NextSiblingElement("w:p"))
    for (XMLElement* r = p->FirstChildElement("w:r"); r && !first; r = r->NextSiblingElement("w:r"))
      if (const XMLElement* instr = r->FirstChildElement("w:instrText"))
        if (instr->GetText() && std::string(instr->GetText()).find("TOC ") != std::string::npos) first = p;
  if (!first) return true;

  // Everything after the separator down to the matching end goes; nested fields count.
  XMLElement* separate = nullptr;
  for (XMLElement* r = first->FirstChildElement("w:r"); r && !separate; r = r->NextSiblingElement("w:r"))
    if (FieldCharOf(r) == "separate") separate = r;
  if (!separate) return false;
  int depth = 1;
  bool ended = false;
  for (XMLElement* p = first; p && !ended;) {
    XMLElement* nextParagraph = p->NextSiblingElement();
    XMLElement* child = p == first ? separate->NextSiblingElement() : p->FirstChildElement();
    while (child && !ended) {
      XMLElement* next = child->NextSiblingElement();
      const std::string type = FieldCharOf(child);
      depth += type == "begin" ? 1 : type == "end" ? -1 : 0;
      ended = depth == 0;
      if (!Named(child, "w:pPr")) p->DeleteChild(child);
      child = next;
    }
    if (p != first) {
      // The paragraph ending the field keeps what follows the end (moved into the first).
      for (XMLElement* rest = child; rest;) {
        XMLElement* next = rest->NextSiblingElement();
        first->InsertEndChild(rest);
        rest = next;
      }
      body->DeleteChild(p);
    }
    p = nextParagraph;
  }
  if (!ended) return false;

  const std::vector<Heading> headings = Headings(body);
  XMLElement* tail = first;
  std::vector<XMLElement*> after;  // what followed the field's end in its paragraph
  for (XMLElement* c = separate->NextSiblingElement(); c; c = c->NextSiblingElement()) after.push_back(c);
  for (std::size_t i = 0; i < headings.size(); ++i) {
    if (i > 0) {
      XMLElement* p = body->GetDocument()->NewElement("w:p");
      body->InsertAfterChild(tail, p);
      tail = p;
    }
    SetStyle(tail, headings[i].level == 1 ? "TOC1" : "TOC2");
    AddText(tail, headings[i].text);
  }
  AddFieldChar(tail, "end");
  for (XMLElement* c : after) tail->InsertEndChild(c);
  return true;
}

}  // namespace lumaret::exports
