#include "XmlFixture.h"

#include "TestEnvironment.h"

#include <atomic>
#include <fstream>
#include <stdexcept>

namespace {
std::filesystem::path NextScratchFile()
{
    static std::atomic<int> counter{0};
    return TestHome() / ("scratch-" + std::to_string(counter++) + ".xml");
}
} // namespace

XmlNode ParseXml(const std::string& text)
{
    const auto path = NextScratchFile();
    std::ofstream(path, std::ios::binary) << text;
    XmlDocument document;
    if (!document.Load(path.wstring()))
        throw std::runtime_error("test XML does not parse: " + text);
    return document.Root();
}

XmlNode NewXmlRoot(const std::wstring& name)
{
    XmlDocument document;
    document.New(name, L"UTF-8", L"", L"");
    return document.Root();
}
