// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

namespace norv {
class AboutForm;
class AddStream;
class Norv_error;
class Norv_main;
class Norv_option;
namespace planning {
class Norv_length;
class Norv_retry;
class Norv_size;
} // namespace planning
} // namespace norv

namespace norv::ui {

class ViewFrame;
class DialogFrame;

// Each window's widgets at their design positions, bound to the model.
ViewFrame* buildMainWindow(Norv_main& model);
DialogFrame* buildErrorWindow(Norv_error& model);
DialogFrame* buildOptionsWindow(Norv_option& model);
DialogFrame* buildAboutWindow(AboutForm& model);
DialogFrame* buildAddStreamDialog(AddStream& model);
DialogFrame* buildSizeHelper(planning::Norv_size& model);
DialogFrame* buildLengthHelper(planning::Norv_length& model);
DialogFrame* buildRetryHelper(planning::Norv_retry& model);

} // namespace norv::ui
