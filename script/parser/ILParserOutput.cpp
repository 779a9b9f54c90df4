// What the walk writes: the output lines of the intermediate form and the
// pending error with its position.
#include "script/parser/ILParser.h"

#include "script/xml/XMLText.h"

std::string TscILParser::PositionAfterBlanks(int position) {
    const int current = parser_.Position();
    parser_.SetPosition(position);
    parser_.SkipBlanks();
    std::string text = parser_.SourcePositionText();
    parser_.SetPosition(current);
    return text;
}

void TscILParser::RecordError(const RuleElement& element, int start) {
    if (element.errorMessage.empty() || !walk_.errorMessage.empty() || walk_.tooDeep) return;
    walk_.errorMessage = element.errorMessage;
    walk_.errorPosition = PositionAfterBlanks(start);
    walk_.errorTerm = element.term;
}

void TscILParser::RecordTooDeep() {
    // Stops the walk: every element fails from here on and no loop drops it.
    walk_.tooDeep = true;
    walk_.errorMessage = kNestingTooDeep;
    walk_.errorPosition = PositionAfterBlanks(parser_.Position());
    walk_.errorTerm = false;
}

void TscILParser::DropError() {
    if (walk_.tooDeep) return;
    walk_.errorMessage.clear();
    walk_.errorPosition.clear();
    walk_.errorTerm = false;
}

void TscILParser::WrapNode(const RuleElement& element, int start, std::size_t startCount, bool matched) {
    if (element.node.empty()) return;
    if (!matched) {
        walk_.lines.resize(startCount);
        return;
    }
    if (element.node == "uses") {
        IncludeUnits(startCount);
        return;
    }
    std::string open = "<" + element.node + " pos=\"" + PositionAfterBlanks(start) + "\"";
    if (element.node == "expr") open += " pos1=\"" + parser_.SourcePositionText() + "\"";
    open += ">";
    walk_.lines.insert(walk_.lines.begin() + static_cast<std::ptrdiff_t>(startCount), std::move(open));
    walk_.lines.push_back("</" + element.node + ">");
}

void TscILParser::AppendAdd(const RuleElement& element, const std::string& token) {
    walk_.lines.push_back("<" + element.add + " text=\"" + EncodeXMLText(element.hasAddText ? element.addText : token) +
                          "\" pos=\"" + parser_.SourcePositionText() + "\"/>");
}

void TscILParser::WriteBracketedCall(const std::string& text) {
    // <text> in an expression is the call Get('text').
    const std::string pos = " pos=\"" + parser_.SourcePositionText() + "\"";
    walk_.lines.push_back("<dsgn" + pos + ">");
    walk_.lines.push_back("<node text=\"Get\"" + pos + "/>");
    walk_.lines.push_back("<expr" + pos + ">");
    walk_.lines.push_back("<string text=\"" + EncodeXMLText("'" + text + "'") + "\"" + pos + "/>");
    walk_.lines.push_back("</expr>");
    walk_.lines.push_back("</dsgn>");
}
