// SPDX-License-Identifier: GPL-3.0-or-later
#include "norv_length.h"

#include "lengths.h"

#include "common/application.h"

namespace norv::planning {

Norv_length::Norv_length(Application& app, TextBox& lenght, const TextBox& framerate)
    : HelperWindow(app, std::string(kName), "Lunghezza in h:mm:ss o fotogrammi"),
      m_lenght(lenght),
      m_framerate(framerate)
{
    OK.Click = [this] { OK_Click(); };
    Abort.Click = [this] { Abort_Click(); };
}

void Norv_length::open()
{
    lengthvalue.setText("");
    lengthunit.setListIndex(0);
    currentrate.setCaption(m_framerate.text());
    message.setCaption("");
    show(true);
}

void Norv_length::OK_Click()
{
    const NumberLocale& locale = application().numbers().locale();
    const Result<double> seconds = lengthunit.listIndex() == 1
                                       ? framesSeconds(lengthvalue.text(), m_framerate.text(), locale)
                                       : clockSeconds(lengthvalue.text(), locale);
    if (!seconds)
        return refuse(message, seconds.error());
    typeInto(m_lenght, NumberText(*seconds));
}

} // namespace norv::planning
