// What is and is not a tag.
#include "rtf/EntryTags.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace {

QStringList Tags(const QString& text)
{
    QStringList tags;
    for (const TagSpan& span : FindTags(text)) {
        tags.append(TagText(text, span));
    }
    return tags;
}

TEST(EntryTagsTest, TheTagRule)
{
    const struct
    {
        const char16_t* text;
        QStringList tags;
    } cases[] = {
        {u"#travel", {"travel"}},
        {u"Went out. #like_this and #with-hyphen, #x2", {"like_this", "with-hyphen", "x2"}},
        {u"(#inside) \"#quoted\" #end.", {"inside", "quoted", "end"}},
        {u"#2023 #_ #- # #", {}},
        {u"#2023a #_a", {"2023a", "_a"}},
        {u"C# and a#b and ##double", {}},
        {u"#Привет #日記 #café #नमस्ते", {"Привет", "日記", "café", "नमस्ते"}},
        {u"#dash- #a--b", {"dash", "a--b"}},
        {u"see https://example.org/#anchor or www.example.org/#top", {}},
        {u"mailto:me@example.org#x &#1234; &#x41;", {}},
        {u"#one#two", {"one"}},
        {u"line\n#next\t#tab\uFFFC#picture", {"next", "tab", "picture"}},
    };
    for (const auto& c : cases) {
        const QString text = QString::fromUtf16(c.text);
        EXPECT_EQ(Tags(text), c.tags) << text.toStdString();
    }
}

} // namespace
