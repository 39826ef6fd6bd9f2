// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/control.h"
#include "common/list_box.h"
#include "common/maybe_number.h"
#include "common/real.h"
#include "common/slider.h"
#include "common/text_box.h"
#include "common/window.h"

#include <cstdint>

namespace norv {

// The calculator window. It owns every input and result as the texts of its
// fields, the rows of its stream columns and the positions of its sliders;
// every handler reads them afresh and writes texts back. The handlers are
// defined in the folder of their subsystem: the refresh cycle, bitrate and
// overhead and the top fields here, frame size and quality in geometry/, the
// stream list in streams/, the Option and About buttons in language_options/.
class Norv_main : public Window {
public:
    explicit Norv_main(Application& app);

    enum FocusCode : std::int32_t {
        FocusQualitySlider = 0, // also the start value, before any focus event
        FocusWidthSlider = 1,
        FocusHeightSlider = 2,
        FocusQuality = 3,
        FocusWidth = 4,
        FocusHeight = 5,
        FocusNone = 6,
    };

    // Inputs and results.
    TextBox diskspace{*this, "diskspace", "Text1"};
    TextBox lenght{*this, "lenght", "Text2"};
    TextBox framerate{*this, "framerate", "Text3"};
    ComboBox containerselector{*this, "containerselector"};
    TextBox prop1{*this, "prop1", "720"};
    TextBox prop2{*this, "prop2", "576"};
    TextBox xdivisible{*this, "xdivisible", "1"};
    TextBox ydivisible{*this, "ydivisible", "1"};
    TextBox properror{*this, "properror", "Text7"};
    TextBox fwidth{*this, "fwidth", "Text4"};
    TextBox fheight{*this, "fheight", "Text5"};
    Slider fwidths{*this, "fwidths", 0, 10, 0};
    Slider fheights{*this, "fheights", 0, 10, 0};
    TextBox videoquality{*this, "videoquality", "Text6"};
    Slider videoqualitys{*this, "videoqualitys", 1, 10000, 1};

    // The stream list: four row-parallel columns beside the always empty codec.
    ListBox streamlist{*this, "streamlist"};
    ListBox codec{*this, "codec"};
    ListBox streampercentual{*this, "streampercentual"};
    ListBox streamdimension{*this, "streamdimension"};
    ListBox dimensiontype{*this, "dimensiontype"};

    Button AddStreamButton{*this, "AddStreamButton", "Aggiungi"};
    Button RemoveStreamButton{*this, "RemoveStreamButton", "Rimuovi"};
    Button Option{*this, "Option", "Opzioni"};
    Button About{*this, "About", "About"};
    Decoration Image1{*this, "Image1"};

    Label Label1{*this, "Label1", "Spazio su disco"};
    Label Label2{*this, "Label2", "Lunghezza"};
    Label Label3{*this, "Label3", "Container"};
    Label Label4{*this, "Label4", "Proporzioni"};
    Label Label5{*this, "Label5", "Multipli di"};
    Label Label6{*this, "Label6", "Larghezza"};
    Label Label7{*this, "Label7", "Stream"};
    Label Label8{*this, "Label8", "Video Quality"};
    Label Label9{*this, "Label9", "FPS"};
    Label Label10{*this, "Label10", "Altezza"};
    Label Label11{*this, "Label11", "Errore proporzioni"};

    // Public variables.
    // Which geometry or quality input has the focus (FocusCode).
    std::int32_t hasfocus = 0;
    MaybeNumber maxwidth;
    std::int16_t maxheight = 0;

    // Public operations.
    void ParseFields();
    double VideoBitrate();
    static Color HighlightColor();
    static Color NormalColor();
    void Refresh_PropError();
    MaybeNumber ContainerOverhead();
    double TotalStreamPercent();
    double TotalStreamBitrate();
    void ReportRunTimeError();

    void Form_Load() override;
    void Form_Unload() override;

    // Top fields.
    void framerate_Change();
    void lenght_Change();
    void lenght_DblClick();
    void diskspace_DblClick();
    void diskspace_MouseDown();
    void diskspace_MouseUp();

    // Frame size, multiples and quality.
    void fwidth_GotFocus();
    void fwidth_LostFocus();
    void fwidth_Change();
    void fheight_GotFocus();
    void fheight_LostFocus();
    void fheight_Change();
    void fwidths_GotFocus();
    void fwidths_LostFocus();
    void fwidths_Change();
    void fheights_GotFocus();
    void fheights_LostFocus();
    void fheights_Change();
    void xdivisible_Change();
    void ydivisible_Change();
    void videoquality_GotFocus();
    void videoquality_LostFocus();
    void videoquality_Change();
    void videoqualitys_GotFocus();
    void videoqualitys_LostFocus();
    void videoqualitys_Change();

    // Stream list.
    bool hasVideoRow(); // a row typed exactly "Video"
    // One row in the four working columns at once, so they stay parallel.
    void appendStreamRow(const std::string& type, const std::string& percent,
                         const std::string& size, const std::string& unit);
    void AddStreamButton_Click();
    void RemoveStreamButton_Click();
    void streamlist_MouseDown();
    void streamlist_MouseUp();
    void streamlist_DblClick();

    // Auxiliary windows.
    void Option_Click();
    void About_Click();

private:
    void connectHandlers();
    void applyStoredOverhead();

    // The frame-size rules shared by the geometry handlers.
    void heightRule();
    void widthRule();
    void qualityRule();
    void sliderRule();
    std::int32_t widthInMultiples();
    std::int32_t heightInMultiples();
    std::int32_t qualityPosition();
    // The width the bitrate allows at a quality figure, snapped to its multiple.
    void widthForQuality(Real quality);
    void rescalePercentShares();
    void allocatePool(Real pool);
};

} // namespace norv
