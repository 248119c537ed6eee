#pragma once
// Tags are words of the entry's text written #like_this: a '#' at the start
// of a word, then letters of any script, digits, '_' and '-' with at least
// one letter among them. "#2023" (no letter), "C#" (not at a word's start)
// and the '#' of a web address are no tags. Tags live in the text alone.

#include <QString>
#include <QStringView>
#include <vector>

struct TagSpan
{
    qsizetype start = 0;  // the position of the '#'
    qsizetype length = 0; // with the '#'

    bool operator==(const TagSpan&) const = default;
};

// The tags of a text, in order.
std::vector<TagSpan> FindTags(QStringView text);

// The text's tags without their '#', each once (by TagKey), in the order
// they first appear.
std::vector<QString> TagsOf(QStringView text);

// The tag a span of the text names, without its '#', as written.
inline QString TagText(QStringView text, const TagSpan& span)
{
    return text.mid(span.start + 1, span.length - 1).toString();
}

// Tags that differ only in case are one tag: the key they are counted under.
inline QString TagKey(QStringView tag)
{
    return tag.toString().toCaseFolded();
}
