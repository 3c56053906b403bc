#include "storage/XmlDocument.h"

#include "TestEnvironment.h"

#include <gtest/gtest.h>

#include <climits>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

class XmlDocumentTest : public testing::Test {
protected:
    void SetUp() override
    {
        folder = TestHome() / "xml" / testing::UnitTest::GetInstance()->current_test_info()->name();
        std::filesystem::remove_all(folder);
        std::filesystem::create_directories(folder);
    }

    std::wstring Write(const std::string& name, const std::string& contents) const
    {
        std::ofstream(folder / name, std::ios::binary) << contents;
        return (folder / name).wstring();
    }

    static std::string Read(const std::filesystem::path& file)
    {
        std::ifstream in(file, std::ios::binary);
        std::ostringstream contents;
        contents << in.rdbuf();
        return contents.str();
    }

    // The document as Save writes it, without the layout Indent adds.
    std::string Saved(XmlDocument& document) const
    {
        const auto file = folder / "saved.xml";
        EXPECT_TRUE(document.Save(file.wstring()));
        return Read(file);
    }

    std::filesystem::path folder;
};

TEST_F(XmlDocumentTest, FindChildElementMatchesTheLocalNameWhateverThePrefix)
{
    XmlDocument document;
    ASSERT_TRUE(document.Load(Write("task.xml",
                                    "<task xmlns:b='urn:b'><note/><b:frequency selected='2'/>"
                                    "<frequency selected='3'/></task>")));
    const XmlNode task = document.Root();

    const XmlNode frequency = task.FindChildElement(L"frequency", false);
    EXPECT_EQ(frequency.GetName(), L"b:frequency");
    EXPECT_EQ(frequency.GetIntAttribute(L"selected"), 2);

    EXPECT_TRUE(task.FindChildElement(L"weekly", false).IsNull());
    EXPECT_EQ(task.ChildElements().Count(), 3);
    const XmlNode weekly = task.FindChildElement(L"weekly", true);
    EXPECT_EQ(weekly.GetName(), L"weekly");
    ASSERT_EQ(task.ChildElements().Count(), 4);
    EXPECT_EQ(task.ChildElements().Item(3).GetName(), L"weekly");
    EXPECT_EQ(task.FindChildElement(L"weekly", true).ChildElements().Count(), 0);
    EXPECT_EQ(task.ChildElements().Count(), 4);

    // An apostrophe can neither break out of the expression nor make an element.
    EXPECT_TRUE(task.FindChildElement(L"x' or '1'='1", false).IsNull());
    EXPECT_TRUE(task.FindChildElement(L"it's", true).IsNull());
    EXPECT_EQ(task.ChildElements().Count(), 4);
}

TEST_F(XmlDocumentTest, SelectNodesIsRelativeToTheNodeAndInDocumentOrder)
{
    XmlDocument document;
    ASSERT_TRUE(document.Load(Write("roster.xml",
                                    "<Brindlewick><roster><persons><person name='a'/><person name='b'/>"
                                    "</persons><tasks><task name='t'/></tasks><persons>"
                                    "<member name='c'/></persons></roster></Brindlewick>")));
    const XmlNode roster = document.Root().FindChildElement(L"roster", false);

    const XmlNodeList persons = roster.SelectNodes(L"persons/*");
    ASSERT_EQ(persons.Count(), 3);
    EXPECT_EQ(persons.Item(0).GetAttribute(L"name"), L"a");
    EXPECT_EQ(persons.Item(1).GetAttribute(L"name"), L"b");
    EXPECT_EQ(persons.Item(2).GetAttribute(L"name"), L"c");
    EXPECT_EQ(roster.ChildElements().Count(), 3);
    EXPECT_EQ(document.Root().SelectNodes(L"persons/*").Count(), 0);

    EXPECT_EQ(roster.SelectNodes(L"persons[").Count(), -1);
    EXPECT_EQ(roster.SelectNodes(L"count(*)").Count(), -1);
    EXPECT_EQ(roster.SelectNodes(L"").Count(), -1);
    EXPECT_TRUE(persons.Item(3).IsNull());
}

// Plain child steps are answered by walking the children; the answer must be the query engine's,
// which compares qualified names and ignores namespaces. "./" sends the same selection to the engine.
TEST_F(XmlDocumentTest, ChildStepSelectionsPickWhatTheQueryEnginePicks)
{
    XmlDocument document;
    ASSERT_TRUE(document.Load(Write("mixed.xml",
                                    "<r xmlns='urn:d' xmlns:b='urn:b'>"
                                    "<a n='1'>text<b:a n='2'/><!-- c --><a n='3'><day n='4'/></a><?p?></a>"
                                    "<b:a n='5'><day n='6'/><b:day n='7'/></b:a>"
                                    "<a n='8'><day n='9'/>tail<day n='10'/></a><div n='11'/></r>")));
    const XmlNode root = document.Root();
    auto numbers = [](const XmlNodeList& selected) {
        std::wstring text;
        for (int i = 0; i < selected.Count(); ++i)
            text += selected.Item(i).GetAttribute(L"n") + L' ';
        return text;
    };
    const struct {
        const wchar_t* path;
        const wchar_t* expected;
    } cases[] = {
        {L"a", L"1 8 "},        {L"*", L"1 5 8 11 "}, {L"a/*", L"2 3 9 10 "},
        {L"*/day", L"6 9 10 "}, {L"a/a/day", L"4 "},  {L"child::a/child::*", L"2 3 9 10 "},
        {L"div", L"11 "},       {L"*/*/*", L"4 "},    {L"day", L""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(numbers(root.SelectNodes(c.path)), c.expected) << c.path;
        EXPECT_EQ(numbers(root.SelectNodes(std::wstring(L"./") + c.path)), c.expected) << c.path;
    }
    EXPECT_EQ(root.SelectNodes(L"a/").Count(), -1);
    EXPECT_EQ(root.SelectNodes(L"a//day").Count(), 3);
}

TEST_F(XmlDocumentTest, NullHandlesAreSafeAndNeutral)
{
    const XmlNode null;
    EXPECT_TRUE(null.IsNull());
    EXPECT_EQ(null.GetName(), L"");
    EXPECT_TRUE(null.AppendChildElement(L"a").IsNull());
    EXPECT_TRUE(null.FindChildElement(L"a", true).IsNull());
    EXPECT_EQ(null.ChildElements().Count(), -1);
    EXPECT_EQ(null.GetAttribute(L"a"), L"");
    EXPECT_EQ(null.GetAttribute(L"a", L"d"), L"d");
    EXPECT_EQ(null.GetIntAttribute(L"a", 7), 7);
    EXPECT_FALSE(null.SetAttribute(L"a", L"v"));
    EXPECT_EQ(XmlNodeList().Count(), -1);

    XmlDocument document;
    EXPECT_TRUE(document.Root().IsNull());
    EXPECT_FALSE(document.Indent());
    EXPECT_FALSE(document.Save(std::nullopt));
    EXPECT_FALSE(document.Save((folder / "none.xml").wstring()));
    EXPECT_FALSE(std::filesystem::exists(folder / "none.xml"));
}

TEST_F(XmlDocumentTest, GetAttributeFallsBackForMissingAndEmptyValues)
{
    XmlDocument document;
    ASSERT_TRUE(document.Load(Write("a.xml", "<r empty='' full='x'/>")));
    const struct {
        const wchar_t* name;
        std::optional<std::wstring> fallback;
        const wchar_t* expected;
    } cases[] = {
        {L"full", L"d", L"x"},         {L"full", std::nullopt, L"x"}, {L"empty", L"d", L"d"},
        {L"empty", std::nullopt, L""}, {L"missing", L"d", L"d"},      {L"missing", std::nullopt, L""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(document.Root().GetAttribute(c.name, c.fallback), c.expected) << c.name;
}

// The readers' allocation-free paths must answer as the plain ones do, also beyond ASCII.
TEST_F(XmlDocumentTest, ReadAttributeAndHasLocalNameAgreeWithGetAttributeAndGetName)
{
    XmlDocument document;
    ASSERT_TRUE(document.Load(Write("r.xml",
                                    "<r xmlns:b='urn:b'><b:weekly long='a value longer than any buffer'"
                                    " empty='' wide='J\xc3\xbcrgen \xf0\x9f\xa7\xb9'/>"
                                    "<d\xc3\xa4y/><b:t\xc3\xa4g/></r>")));
    const XmlNodeList elements = document.Root().ChildElements();
    ASSERT_EQ(elements.Count(), 3);
    const XmlNode weekly = elements.Item(0);

    std::wstring text = L"left from before";
    for (const wchar_t* name : {L"long", L"wide", L"empty", L"missing", L"long"}) {
        weekly.ReadAttribute(name, text);
        EXPECT_EQ(text, weekly.GetAttribute(name)) << name;
    }
    XmlNode().ReadAttribute(L"long", text);
    EXPECT_EQ(text, L"");

    const struct {
        XmlNode element;
        const wchar_t* localName;
        bool expected;
    } cases[] = {
        {weekly, L"weekly", true},
        {weekly, L"b:weekly", false},
        {weekly, L"week", false},
        {weekly, L"weeklyx", false},
        {elements.Item(1), L"d\u00e4y", true},
        {elements.Item(2), L"t\u00e4g", true},
        {elements.Item(2), L"tag", false},
        {XmlNode(), L"", true},
        {XmlNode(), L"weekly", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.element.HasLocalName(c.localName), c.expected) << c.localName;
}

TEST_F(XmlDocumentTest, GetIntAttributeReadsLeadingDecimalDigits)
{
    XmlDocument document;
    ASSERT_TRUE(document.New(L"r", L"UTF-8", L"", L""));
    const XmlNode root = document.Root();
    const struct {
        std::optional<std::wstring> text;
        std::int32_t fallback;
        std::int32_t expected;
    } cases[] = {
        {L" 12abc", 0, 12},
        {L"abc", 5, 0},
        {std::nullopt, 3, 3},
        {L"", 3, 3},
        {L" ", 3, 0},
        {L"\t\n-17", 0, -17},
        {L"+8", 0, 8},
        {L"- 5", 9, 0},
        {L"007", 0, 7},
        {L"2147483647", 0, INT32_MAX},
        {L"2147483648", 0, INT32_MAX},
        {L"-2147483648", 0, INT32_MIN},
        {L"-2147483649", 0, INT32_MIN},
        {L"99999999999999999999999", 0, INT32_MAX},
        {L"12\u00e9", 0, 12},
        {L"\u00e912", 4, 0},
    };
    for (const auto& c : cases) {
        if (c.text) {
            ASSERT_TRUE(root.SetAttribute(L"n", *c.text));
        }
        const std::int32_t value = root.GetIntAttribute(c.text ? L"n" : L"missing", c.fallback);
        EXPECT_EQ(value, c.expected) << (c.text ? *c.text : L"(missing)");
    }

    ASSERT_TRUE(root.SetIntAttribute(L"n", INT32_MIN));
    EXPECT_EQ(root.GetAttribute(L"n"), L"-2147483648");
}

TEST_F(XmlDocumentTest, LoadFailsForFilesThatAreNoDocument)
{
    XmlDocument document;
    EXPECT_FALSE(document.Load((folder / "missing.xml").wstring()));
    EXPECT_EQ(document.EngineVersion(), 0);
    EXPECT_FALSE(document.Load(folder.wstring()));
    EXPECT_EQ(document.EngineVersion(), 0);

    for (const char* contents :
         {"", "<?xml version='1.0'?>", "<r><a name='x'/>", "<r><a name='x", "<r></s>", "<r/><s/>",
          "<r/><![CDATA[x]]>", "<r a='&eacute;'/>", "<r>&nbsp;</r>", "<r a='1<2'/>", "<r a='1' a='2'/>",
          "<r>\x01</r>", "<r a='&#1;'/>", "<r a='\xC3'/>", "<!DOCTYPE r [<!ENTITY e 'x'>]><r/>"}) {
        EXPECT_FALSE(document.Load(Write("bad.xml", contents))) << contents;
        EXPECT_TRUE(document.Root().IsNull()) << contents;
    }
}

TEST_F(XmlDocumentTest, LoadRemembersThePathAndCloseForgetsEverything)
{
    XmlDocument document;
    const std::wstring file = Write("r.xml", "<r name='kept'/>");
    ASSERT_TRUE(document.Load(file));
    EXPECT_NE(document.EngineVersion(), 0);
    EXPECT_EQ(document.Path(), file);

    // A file that cannot be opened leaves the loaded document alone.
    EXPECT_FALSE(document.Load((folder / "missing.xml").wstring()));
    EXPECT_EQ(document.Path(), file);
    const XmlNode root = document.Root();
    EXPECT_EQ(root.GetAttribute(L"name"), L"kept");

    document.Close();
    EXPECT_EQ(document.EngineVersion(), 0);
    EXPECT_EQ(document.Path(), L"");
    EXPECT_TRUE(document.Root().IsNull());
    // A handle keeps its document alive past Close.
    EXPECT_EQ(root.GetAttribute(L"name"), L"kept");
}

TEST_F(XmlDocumentTest, IndentedSaveWritesTheDeclarationAndOneElementPerLine)
{
    XmlDocument document;
    ASSERT_TRUE(document.New(L"Brindlewick", L"UTF-8", L"", L""));
    const XmlNode root = document.Root();
    ASSERT_TRUE(root.SetIntAttribute(L"version", 1));
    const XmlNode roster = root.AppendChildElement(L"roster");
    roster.SetAttribute(L"name", L"Home");
    roster.AppendChildElement(L"persons").AppendChildElement(L"person").SetAttribute(L"name", L"Ann");
    roster.AppendChildElement(L"tasks");

    ASSERT_TRUE(document.Indent());
    EXPECT_EQ(Saved(document),
              "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
              "<Brindlewick version=\"1\">\n"
              "  <roster name=\"Home\">\n"
              "    <persons>\n"
              "      <person name=\"Ann\" />\n"
              "    </persons>\n"
              "    <tasks />\n"
              "  </roster>\n"
              "</Brindlewick>\n");
}

TEST_F(XmlDocumentTest, SaveWithoutIndentWritesTheDocumentAsItIs)
{
    XmlDocument document;
    ASSERT_TRUE(document.New(L"Brindlewick", L"UTF-8", L"", L""));
    document.Root().AppendChildElement(L"roster").AppendChildElement(L"persons");
    EXPECT_EQ(Saved(document),
              "<?xml version=\"1.0\" encoding=\"UTF-8\"?><Brindlewick><roster><persons/></roster>"
              "</Brindlewick>");

    // Layout whitespace is not content: it is gone once the file is read.
    ASSERT_TRUE(document.Load(Write("laid-out.xml",
                                    "<?xml version=\"1.0\"?>\n<r>\n  <!-- note -->\n  <a>\n"
                                    "    <b>text</b>\n  </a>\n</r>\n")));
    EXPECT_EQ(Saved(document), "<?xml version=\"1.0\"?><r><!-- note --><a><b>text</b></a></r>");
}

TEST_F(XmlDocumentTest, NewPutsTheRootInTheGivenNamespace)
{
    const struct {
        const wchar_t* prefix;
        const wchar_t* uri;
        bool made;
        const char* saved;
    } cases[] = {
        {L"", L"", true, "<?xml version=\"1.0\" encoding=\"UTF-8\"?><root><child/></root>"},
        {L"b", L"urn:b", true,
         "<?xml version=\"1.0\" encoding=\"UTF-8\"?><b:root xmlns:b=\"urn:b\"><child/></b:root>"},
        {L"", L"urn:b", true,
         "<?xml version=\"1.0\" encoding=\"UTF-8\"?><root xmlns=\"urn:b\"><child xmlns=\"\"/>"
         "</root>"},
        {L"b", L"", false, ""},
    };
    for (const auto& c : cases) {
        XmlDocument document;
        ASSERT_EQ(document.New(L"root", L"UTF-8", c.prefix, c.uri), c.made) << c.prefix << c.uri;
        if (!c.made)
            continue;
        document.Root().AppendChildElement(L"child");
        EXPECT_EQ(Saved(document), c.saved);
    }

    XmlDocument document;
    EXPECT_FALSE(document.New(L"not a name", L"UTF-8", L"", L""));
    ASSERT_TRUE(document.New(L"root", L"UTF-8", L"", L""));
    EXPECT_TRUE(document.Root().AppendChildElement(L"<bad>").IsNull());
    EXPECT_FALSE(document.Root().SetAttribute(L"a b", L"v"));
}

// Whether a document declares namespaces is remembered between appends; declaring one later, or
// switching to another document, must not let a new element slip into a default namespace.
TEST_F(XmlDocumentTest, AppendedElementsNeverInheritADefaultNamespace)
{
    XmlDocument document;
    ASSERT_TRUE(document.New(L"root", L"UTF-8", L"", L""));
    const XmlNode root = document.Root();
    root.AppendChildElement(L"before");
    ASSERT_TRUE(root.SetAttribute(L"xmlns", L"urn:d"));
    root.AppendChildElement(L"after").AppendChildElement(L"inner");

    XmlDocument other;
    ASSERT_TRUE(other.Load(Write("deep.xml", "<r><a xmlns='urn:a'><b/></a></r>")));
    other.Root().FindChildElement(L"a", false).FindChildElement(L"b", false).AppendChildElement(L"c");
    root.AppendChildElement(L"last");

    EXPECT_EQ(Saved(document),
              "<?xml version=\"1.0\" encoding=\"UTF-8\"?><root xmlns=\"urn:d\"><before/>"
              "<after xmlns=\"\"><inner/></after><last xmlns=\"\"/></root>");
    EXPECT_EQ(Saved(other), "<r><a xmlns=\"urn:a\"><b><c xmlns=\"\"/></b></a></r>");
}

TEST_F(XmlDocumentTest, AttributeValuesRoundTripReservedAndNonAsciiCharacters)
{
    const std::wstring name = L"Zo\u00eb & <J\u00fcrgen> \"quoted\" 'single' \u65e5\u672c \U0001F9F9";
    // Built by hand: the C locale cannot widen a non-ASCII path.
    const std::wstring file = folder.wstring() + L"/Zo\u00eb.xml";
    {
        XmlDocument document;
        ASSERT_TRUE(document.New(L"Brindlewick", L"UTF-8", L"", L""));
        ASSERT_TRUE(document.Root().AppendChildElement(L"person").SetAttribute(L"name", name));
        document.Indent();
        ASSERT_TRUE(document.Save(file));
    }
    EXPECT_TRUE(std::filesystem::exists(folder / u8"Zo\u00eb.xml"));
    EXPECT_NE(Read(folder / u8"Zo\u00eb.xml").find("\xe6\x97\xa5\xe6\x9c\xac"), std::string::npos)
        << "written as UTF-8";

    XmlDocument document;
    ASSERT_TRUE(document.Load(file));
    EXPECT_EQ(document.Root().FindChildElement(L"person", false).GetAttribute(L"name"), name);
}

// A roster file is data: whatever its DOCTYPE declares, loading it reads nothing else and
// expands nothing.
// A character XML cannot carry (a pasted control character, a lone surrogate from an older file)
// would make the saved file unreadable: it is written as U+FFFD, and the file reads again.
TEST_F(XmlDocumentTest, CharactersXmlCannotCarryAreWrittenAsReplacementCharacters)
{
    const std::wstring written = std::wstring(L"a\x01"
                                              L"b\x1F\tc\nd")
        + wchar_t(0xD800) + L"e\uFFFEf\uFFFF" + std::wstring(1, L'\0') + L"\u00e9";
    const std::wstring read = std::wstring(L"a\uFFFD"
                                           L"b\uFFFD\tc\nd\uFFFD"
                                           L"e\uFFFD"
                                           L"f\uFFFD\uFFFD\u00e9");
    XmlDocument document;
    ASSERT_TRUE(document.New(L"r", L"UTF-8", L"", L""));
    ASSERT_TRUE(document.Root().SetAttribute(L"name", written));
    ASSERT_TRUE(document.Root().SetAttribute(L"short", L"\x07"));
    ASSERT_TRUE(document.Save((folder / "controls.xml").wstring()));

    XmlDocument reread;
    ASSERT_TRUE(reread.Load((folder / "controls.xml").wstring()));
    EXPECT_EQ(reread.Root().GetAttribute(L"name"), read);
    EXPECT_EQ(reread.Root().GetAttribute(L"short"), L"\uFFFD");
}

TEST_F(XmlDocumentTest, DoctypeWithAnExternalEntityReadsNothingOutsideTheFile)
{
    const std::string secret = "secret-content-that-must-stay-outside";
    Write("secret.txt", secret);
    const std::string uri = "file://" + (folder / "secret.txt").string();
    XmlDocument document;
    const bool loaded = document.Load(Write("external.xml",
                                            "<?xml version='1.0'?>\n<!DOCTYPE r [\n"
                                            "  <!ENTITY leak SYSTEM '"
                                                + uri
                                                + "'>\n]>\n"
                                                  "<r name='&leak;'><a>&leak;</a></r>"));
    if (!loaded)
        return SUCCEED() << "refused";
    EXPECT_EQ(document.Root().GetAttribute(L"name").find(L"secret"), std::wstring::npos);
    EXPECT_EQ(Saved(document).find(secret), std::string::npos);
}

TEST_F(XmlDocumentTest, DoctypeWithNestedEntitiesIsNotExpanded)
{
    std::string doctype = "<!DOCTYPE r [\n<!ENTITY lol0 'lol'>\n";
    for (int level = 1; level <= 9; ++level)
        doctype += "<!ENTITY lol" + std::to_string(level) + " '" + [&] {
            std::string tenTimes;
            for (int i = 0; i < 10; ++i)
                tenTimes += "&lol" + std::to_string(level - 1) + ";";
            return tenTimes;
        }() + "'>\n";
    XmlDocument document;
    const bool loaded = document.Load(Write("laughs.xml", doctype + "]>\n<r name='&lol9;'>&lol9;</r>"));
    if (!loaded)
        return SUCCEED() << "refused";
    EXPECT_LT(document.Root().GetAttribute(L"name").size(), 100u);
    EXPECT_LT(Saved(document).size(), 1000u);
}

} // namespace
