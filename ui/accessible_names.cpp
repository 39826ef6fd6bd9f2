// SPDX-License-Identifier: GPL-3.0-or-later
#include "accessible_names.h"

#include "common/application.h"
#include "common/control.h"
#include "language_options/captions.h"
#include "language_options/settings.h"

#include <QLabel>
#include <QWidget>

namespace norv::ui {

namespace {

// The word from the captions table that tells this input apart, if any.
const char* partWord(AccessibleNames::Part part, Language language)
{
    switch (part) {
    case AccessibleNames::Part::Width: return norv::partWord(InputPart::Width, language);
    case AccessibleNames::Part::Height: return norv::partWord(InputPart::Height, language);
    case AccessibleNames::Part::Slider: return norv::partWord(InputPart::Slider, language);
    case AccessibleNames::Part::Codec: return norv::partWord(InputPart::Codec, language);
    case AccessibleNames::Part::Percent: return norv::partWord(InputPart::Percent, language);
    case AccessibleNames::Part::Size: return norv::partWord(InputPart::Size, language);
    case AccessibleNames::Part::Unit: return norv::partWord(InputPart::Unit, language);
    case AccessibleNames::Part::Whole: break;
    }
    return nullptr;
}

} // namespace

AccessibleNames::AccessibleNames(QWidget* view) : QObject(view) {}

void AccessibleNames::buddy(QLabel* label, Label& model, QWidget* input)
{
    label->setBuddy(input);
    name(model, input);
}

void AccessibleNames::name(Label& label, QWidget* input, Part part)
{
    m_entries.push_back({&label, input, part, {}});
    QPointer<AccessibleNames> self(this);
    label.changed.subscribe([self] {
        if (self)
            self->refresh();
    });
}

void AccessibleNames::refresh()
{
    bool captionsChanged = false;
    for (const Entry& entry : m_entries)
        captionsChanged = captionsChanged || entry.label->caption() != entry.caption;
    // Labels change far more often by being enabled than by a new caption;
    // only a caption can bring a new language.
    if (!captionsChanged)
        return;
    const Language language = settings::italian(m_entries.front().label->application().settings())
                                  ? Language::Italian
                                  : Language::English;
    for (Entry& entry : m_entries) {
        entry.caption = entry.label->caption();
        if (!entry.input)
            continue;
        QString name = QString::fromStdString(entry.caption);
        if (const char* word = partWord(entry.part, language))
            name += QStringLiteral(" (%1)").arg(QString::fromUtf8(word));
        if (entry.input->accessibleName() != name)
            entry.input->setAccessibleName(name);
    }
}

} // namespace norv::ui
