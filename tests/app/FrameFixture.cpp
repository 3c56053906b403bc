#include "FrameFixture.h"

#include "UiTestSupport.h"

#include "ui/FrequencyPanels.h"

#include "storage/AtomicFileWriter.h"

FrameFixture::FrameFixture()
{
    InstallFrequencyPanels();
}

void FrameFixture::SetUp()
{
    FreshDataFolder::SetUp();
    Settings().clear();
}

void FrameFixture::TearDown()
{
    AtomicFileWriter::SetBeforeRenameHook(nullptr);
    frame.reset();
    FreshDataFolder::TearDown();
}

CMainFrame& FrameFixture::Open()
{
    frame.reset();
    rosters = std::make_unique<RosterCollection>();
    frame = std::make_unique<CMainFrame>(*rosters);
    ShowActive(*frame);
    return *frame;
}

void FrameFixture::Close()
{
    frame->close();
    frame.reset();
}

QSettings FrameFixture::Settings()
{
    return QSettings(QStringLiteral("Brindlewick"), QStringLiteral("Brindlewick"));
}

std::vector<std::wstring> FrameFixture::RosterNames() const
{
    std::vector<std::wstring> names;
    for (int i = 0; i < rosters->Count(); ++i)
        names.push_back(rosters->At(i).GetName());
    return names;
}
