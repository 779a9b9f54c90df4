#pragma once
// The script tokenizer: readers of one kind of token each over one text and
// one position, configured by a grammar (comments, quotes, hexadecimal
// prefix, escapes, line ends, identifier characters, keywords). A reader
// that finds nothing returns empty and leaves the position where it was.
// Positions count from 1; the text carries one character 0 after its end.

#include "ui/core/Object.h"

#include <bitset>
#include <set>
#include <string>
#include <string_view>
#include <vector>

class TscParser : public TObject {
public:
    TscParser() { Reset(); }

    // The defaults of the settings; CaseSensitive stays.
    void Reset();
    void SetText(std::string_view text);
    int Position() const { return position_; }
    void SetPosition(int position);
    int Size() const { return size_; }
    int TokenStart() const { return tokenStart_; }

    // Settings.
    std::string CommentLine1, CommentLine2;
    // Opener, a comma, closer.
    std::string CommentBlock1, CommentBlock2;
    std::string StringQuotes;
    std::string HexSequence;
    bool SpecStrChar = false;
    bool SkipEOL = true;
    std::string SkipChar;
    bool CaseSensitive = false;
    std::bitset<256> IdentChars;

    void SetIdentChars(std::string_view chars);
    void AddKeyword(std::string_view word);
    void ClearKeywords() { keywords_.clear(); }
    bool IsKeyword(std::string_view word) const;

    void SkipBlanks();
    bool ReadLineEnd();
    std::string ReadWord();
    std::string ReadIdentifier();
    std::string ReadPunctuation();
    // In single quotes, the quotes inside not doubled.
    std::string ReadStringLiteral();
    std::string ReadNumber();
    // After an opening angle bracket: the text up to its closing one.
    std::string ReadBracketedText();

    // "line:column" of the position, both from 1.
    std::string SourcePositionText() const { return PositionText(position_); }
    std::string PositionText(int position) const;
    // -1 when the line does not exist.
    int LineColumnToPosition(int column, int line) const;

private:
    struct KeywordLess {
        using is_transparent = void;
        bool operator()(std::string_view a, std::string_view b) const;
    };

    char At(int position) const { return text_[static_cast<std::size_t>(position - 1)]; }
    bool StartsWithAt(int position, std::string_view prefix) const;
    bool IsIdentChar(char c) const { return IdentChars.test(static_cast<unsigned char>(c)); }
    void SkipLineComment();
    bool SkipBlockComment();
    bool ReadQuotedPart(std::string& out);
    bool ReadCharacterCodePart(std::string& out);
    bool ReadInteger();
    bool ReadDigits(bool hexadecimal);
    bool ReadReal();

    std::string text_;  // with a character 0 after it
    int size_ = 0;
    int position_ = 1;
    int tokenStart_ = 1;
    std::vector<int> lineStarts_{0};
    std::multiset<std::string, KeywordLess> keywords_;
};
