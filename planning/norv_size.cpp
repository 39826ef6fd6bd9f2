// SPDX-License-Identifier: GPL-3.0-or-later
#include "norv_size.h"

#include "sizes.h"

#include "common/application.h"

namespace norv::planning {

namespace {
constexpr int kUnits = int(kSizeUnits.size());
constexpr int kMegabytes = int(SizeUnit::MB);
} // namespace

Norv_size::Norv_size(Application& app, TextBox& diskspace)
    : HelperWindow(app, std::string(kName), "Spazio su disco in unit\u00E0 o dischi"), m_diskspace(diskspace)
{
    sizeunit.Click = [this] { sizeunit_Click(); };
    OK.Click = [this] { OK_Click(); };
    Abort.Click = [this] { Abort_Click(); };
}

void Norv_size::open()
{
    sizevalue.setText("");
    margin.setText("");
    sizeunit.setListIndex(kMegabytes);
    sizeunit_Click();
    message.setCaption("");
    show(true);
}

void Norv_size::sizeunit_Click() { sizevalue.setEnabled(sizeunit.listIndex() < kUnits); }

void Norv_size::OK_Click()
{
    const int index = sizeunit.listIndex();
    if (index < 0)
        return; // the list is being filled again
    const NumberLocale& locale = application().numbers().locale();
    const Result<std::int64_t> bytes =
        index < kUnits ? sizeInBytes(sizevalue.text(), kSizeUnits.at(std::size_t(index)).unit, margin.text(), locale)
                       : discInBytes(kDiscs.at(std::size_t(index - kUnits)).disc, margin.text(), locale);
    if (!bytes)
        return refuse(message, bytes.error());
    typeInto(m_diskspace, bytesText(*bytes));
}

} // namespace norv::planning
