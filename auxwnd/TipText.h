// The texts of the tips of the day as the string table holds them: the tip, a blank, "|" and its
// topic ("... |Word Wrap"); and the arithmetic that centres the first tip's first line.
#pragma once

#include <string>
#include <string_view>

struct CTipText {
    std::string m_strText;   // the tip, without trailing white space
    std::string m_strTopic;  // without leading white space; empty when there is no "|"
};

// Splits a tip at its first "|"; a tip without one is all text with an empty topic.
CTipText ParseTip(std::string_view raw);
// The topic as the topic chooser lists it: "(no topic)" for a tip without "|".
std::string TopicOfTip(std::string_view raw);
// The number of tips from its decimal text (leading blanks allowed, digits up to the first other
// character); 0 when the text holds no positive number.
int ParseTipCount(std::string_view text);
// The text before the first CR, and whether there is one.
bool FirstLineOfTip(std::string_view text, std::string_view& firstLine);
// How many blanks centre a line of `lineWidth` pixels in a box `clientWidth` pixels wide, with
// blanks `blankWidth` wide; 0 when the line does not fit or the blank has no width.
int CentringBlanks(int clientWidth, int lineWidth, int blankWidth);
