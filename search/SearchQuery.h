#pragma once
// What the user asks for and what a search answers.

#include <QString>
#include <cstdint>
#include <optional>

struct SearchQuery
{
    QString text; // empty: every entry the filters let through
    // Both ends included; times in seconds since 1970 (the window turns the
    // chosen days into the first and last second of each).
    std::optional<int64_t> from;
    std::optional<int64_t> to;
    std::optional<int> minMood;
    std::optional<int> maxMood;
    // Only the entries that carry this tag (its TagKey); empty: any entry.
    QString tag;

    bool HasFilter() const { return from || to || minMood || maxMood || !tag.isEmpty(); }
};

struct SearchHit
{
    int index = 0; // the entry's index in the diary
    int64_t time = 0;
    int mood = 0;
    // The first match in the entry's plain text (length 0 for an empty text).
    qsizetype matchAt = 0;
    qsizetype matchLength = 0;
    // A line of context around the match, and the match inside it.
    QString snippet;
    qsizetype snippetMatchAt = 0;
    qsizetype snippetMatchLength = 0;
};
