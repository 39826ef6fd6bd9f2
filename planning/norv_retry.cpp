// SPDX-License-Identifier: GPL-3.0-or-later
#include "norv_retry.h"

#include "sizes.h"
#include "wording.h"

#include "common/application.h"

namespace norv::planning {

Norv_retry::Norv_retry(Application& app, TextBox& diskspace)
    : HelperWindow(app, std::string(kName), "Secondo tentativo"), m_diskspace(diskspace)
{
    realsize.Change = [this] { realsize_Change(); };
    realunit.Click = [this] { realunit_Click(); };
    OK.Click = [this] { OK_Click(); };
    Abort.Click = [this] { Abort_Click(); };
}

void Norv_retry::open()
{
    realunit.setListIndex(int(SizeUnit::Bytes));
    realsize.setText("");
    Refresh_SecondTry();
    show(true);
}

Result<SecondTry> Norv_retry::attempt() const
{
    const NumberLocale& locale = application().numbers().locale();
    const int unit = realunit.listIndex();
    if (unit < 0)
        return InputError::Empty; // the list is being filled again
    const Result<std::int64_t> real = sizeInBytes(realsize.text(), kSizeUnits.at(std::size_t(unit)).unit, "", locale);
    if (!real)
        return real.error();
    return secondTry(m_diskspace.text(), *real, locale);
}

void Norv_retry::Refresh_SecondTry()
{
    const Result<SecondTry> result = attempt();
    arithmetic.setCaption(result ? secondTryText(*result, language(), application().numbers().locale()) : "");
    if (result || result.error() == InputError::Empty)
        message.setCaption("");
    else
        refuse(message, result.error());
}

void Norv_retry::OK_Click()
{
    const Result<SecondTry> result = attempt();
    if (!result)
        return refuse(message, result.error());
    typeInto(m_diskspace, bytesText(result->target));
}

} // namespace norv::planning
