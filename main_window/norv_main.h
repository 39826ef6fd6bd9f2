// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calculation.h"
#include "top_fields.h"

#include "common/color.h"
#include "common/control.h"
#include "common/focus_code.h"
#include "common/list_box.h"
#include "common/maybe_number.h"
#include "common/menu_item.h"
#include "common/slider.h"
#include "common/text_box.h"
#include "common/window.h"
#include "geometry/frame_geometry.h"
#include "planning/plan_text.h"
#include "streams/add_stream.h"
#include "streams/stream_list.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace norv {

// The calculator window. It owns every input and result as the texts of its
// fields, the rows of its stream columns and the positions of its sliders,
// and puts together the parts that work on them: the calculation core, the
// top fields, the frame geometry and the stream list. Its operations and
// handlers are the names other code calls; each forwards to its part.
class Norv_main : public Window {
public:
    static constexpr std::string_view kName = "Norv_main";
    explicit Norv_main(Application& app);

    using enum FocusCode;

    // Inputs and results, as texts.
    TextBox diskspace{*this, "diskspace", "Text1"};      // the size the finished file may take, bytes
    TextBox lenght{*this, "lenght", "Text2"};            // running length, seconds
    TextBox framerate{*this, "framerate", "Text3"};      // frames per second
    ComboBox containerselector{*this, "containerselector"}; // "AVI", "", "OGM": whose overhead counts
    TextBox prop1{*this, "prop1", "720"};                // aspect ratio, the width's term
    TextBox prop2{*this, "prop2", "576"};                // aspect ratio, the height's term
    TextBox xdivisible{*this, "xdivisible", "1"};        // the width is a multiple of this, pixels
    TextBox ydivisible{*this, "ydivisible", "1"};        // the height is a multiple of this, pixels
    TextBox properror{*this, "properror", "Text7"};      // the frame's shape against the ratio, "%"
    TextBox fwidth{*this, "fwidth", "Text4"};            // frame width, pixels
    TextBox fheight{*this, "fheight", "Text5"};          // frame height, pixels
    Slider fwidths{*this, "fwidths", 0, 10, 0};          // the width counted in x multiples
    Slider fheights{*this, "fheights", 0, 10, 0};        // the height counted in y multiples
    TextBox videoquality{*this, "videoquality", "Text6"}; // bit / (pixel * fps) x 10000
    Slider videoqualitys{*this, "videoqualitys", 1, 10000, 1}; // the same figure, whole

    // The stream list: row i of each column is stream i.
    ListBox streamlist{*this, "streamlist"};             // type: "Video", "Audio", the subtitles
    ListBox codec{*this, "codec"};                       // always empty
    ListBox streampercentual{*this, "streampercentual"}; // percent share and "%", "" for a fixed size
    ListBox streamdimension{*this, "streamdimension"};   // size value, in the unit beside it
    ListBox dimensiontype{*this, "dimensiontype"};       // "bit/s" or "bytes"; "" until allocated

    Button AddStreamButton{*this, "AddStreamButton", "Aggiungi"};
    Button RemoveStreamButton{*this, "RemoveStreamButton", "Rimuovi"};
    Button Option{*this, "Option", "Opzioni"};
    Button About{*this, "About", "About"};
    Decoration Image1{*this, "Image1"}; // the logo

    // Each label names the field beside it.
    Label Label1{*this, "Label1", "Spazio su disco"};    // diskspace
    Label Label2{*this, "Label2", "Lunghezza"};          // lenght
    Label Label3{*this, "Label3", "Container"};          // containerselector
    Label Label4{*this, "Label4", "Proporzioni"};        // prop1, prop2
    Label Label5{*this, "Label5", "Multipli di"};        // xdivisible, ydivisible
    Label Label6{*this, "Label6", "Larghezza"};          // fwidth, fwidths
    Label Label7{*this, "Label7", "Stream"};             // the stream list
    Label Label8{*this, "Label8", "Video Quality"};      // videoquality, videoqualitys
    Label Label9{*this, "Label9", "FPS"};                // framerate
    Label Label10{*this, "Label10", "Altezza"};          // fheight, fheights
    Label Label11{*this, "Label11", "Errore proporzioni"}; // properror

    // The planning helpers: entries of the context menus of `diskspace`,
    // `lenght`, `framerate` and the stream list. A shortcut chooses an entry
    // without opening its menu.
    MenuItem sizehelper{*this, "sizehelper", "Dimensione in unit\u00E0 o disco\u2026", "Ctrl+Shift+S"};
    MenuItem lengthhelper{*this, "lengthhelper", "Lunghezza in h:mm:ss o fotogrammi\u2026", "Ctrl+Shift+L"};
    MenuItem commonrates{*this, "commonrates", "Frequenze comuni"}; // the submenu of the rates
    MenuArray rates;                                             // the common frame rates, exact
    MenuItem secondtry{*this, "secondtry", "Secondo tentativo\u2026", "Ctrl+Shift+T"};
    MenuItem copyplan{*this, "copyplan", "Copia il piano come testo", "Ctrl+Shift+C"};
    MenuItem copycommands{*this, "copycommands", "Copia le righe di comando di ffmpeg", "Ctrl+Shift+E"};

    // Public variables.
    std::int32_t hasfocus = 0; // which geometry or quality input has the focus (FocusCode)
    MaybeNumber maxwidth;      // largest frame width, pixels
    std::int16_t maxheight = 0; // largest frame height, pixels

    // Public operations.
    void ParseFields() { m_calculation.ParseFields(); }
    double VideoBitrate() { return m_calculation.VideoBitrate(); }
    static Color HighlightColor() { return kHighlightColor; }
    static Color NormalColor() { return kNormalColor; }
    void Refresh_PropError() { m_geometry.Refresh_PropError(); }
    MaybeNumber ContainerOverhead() { return m_calculation.ContainerOverhead(); }
    double TotalStreamPercent() { return m_streams.TotalStreamPercent(); }
    double TotalStreamBitrate() { return m_streams.TotalStreamBitrate(); }
    void ReportRunTimeError();

    void Form_Load() override;
    void Form_Unload() override;

    // Top fields.
    void framerate_Change() { m_top.framerate_Change(); }
    void lenght_Change() { m_top.lenght_Change(); }
    void lenght_DblClick() { m_top.lenght_DblClick(); }
    void diskspace_DblClick() { m_top.diskspace_DblClick(); }
    void diskspace_MouseDown() { m_top.diskspace_MouseDown(); }
    void diskspace_MouseUp() { m_top.diskspace_MouseUp(); }

    // Frame size, multiples and quality.
    void fwidth_GotFocus() { m_geometry.fwidth_GotFocus(); }
    void fwidth_LostFocus() { m_geometry.fwidth_LostFocus(); }
    void fwidth_Change() { m_geometry.fwidth_Change(); }
    void fheight_GotFocus() { m_geometry.fheight_GotFocus(); }
    void fheight_LostFocus() { m_geometry.fheight_LostFocus(); }
    void fheight_Change() { m_geometry.fheight_Change(); }
    void fwidths_GotFocus() { m_geometry.fwidths_GotFocus(); }
    void fwidths_LostFocus() { m_geometry.fwidths_LostFocus(); }
    void fwidths_Change() { m_geometry.fwidths_Change(); }
    void fheights_GotFocus() { m_geometry.fheights_GotFocus(); }
    void fheights_LostFocus() { m_geometry.fheights_LostFocus(); }
    void fheights_Change() { m_geometry.fheights_Change(); }
    void xdivisible_Change() { m_geometry.xdivisible_Change(); }
    void ydivisible_Change() { m_geometry.ydivisible_Change(); }
    void videoquality_GotFocus() { m_geometry.videoquality_GotFocus(); }
    void videoquality_LostFocus() { m_geometry.videoquality_LostFocus(); }
    void videoquality_Change() { m_geometry.videoquality_Change(); }
    void videoqualitys_GotFocus() { m_geometry.videoqualitys_GotFocus(); }
    void videoqualitys_LostFocus() { m_geometry.videoqualitys_LostFocus(); }
    void videoqualitys_Change() { m_geometry.videoqualitys_Change(); }

    // Stream list.
    bool hasVideoRow() { return m_streams.hasVideoRow(); }
    void appendStreamRow(const std::string& type, const std::string& percent, const std::string& size,
                         const std::string& unit)
    {
        m_streams.appendStreamRow(type, percent, size, unit);
    }
    void AddStreamButton_Click();
    void RemoveStreamButton_Click() { m_streams.RemoveStreamButton_Click(); }
    void streamlist_MouseDown() { m_streams.streamlist_MouseDown(); }
    void streamlist_MouseUp() { m_streams.streamlist_MouseUp(); }
    void streamlist_DblClick() { m_streams.streamlist_DblClick(); }

    // Auxiliary windows.
    void Option_Click();
    void About_Click();

    // What the Add Stream dialog works on in this window.
    AddStreamLinks addStreamLinks();

    // The planning helpers: each value they give is typed into a field.
    void sizehelper_Click();
    void lengthhelper_Click();
    void rates_Click(int index);
    void secondtry_Click();
    void copyplan_Click();
    void copycommands_Click();
    // The window as the plan's text shows it, in the language shown.
    planning::PlanSnapshot planSnapshot() const;
    // Marks the rows and the quality figure that cannot be encoded, in the
    // language shown (plan_warnings.h); the program runs it after each event.
    void refreshWarnings();

private:
    void connectTopFields();
    void connectGeometry();
    void connectStreams();
    void connectHelpers();
    void fillContainerList();
    void writeStartTexts();
    void setSliders();
    void applyStoredLanguage();
    void applyStoredOverhead();

    Calculation m_calculation{application(), *this};
    TopFields m_top{application(), *this};
    FrameGeometry m_geometry;
    StreamList m_streams;
};

} // namespace norv
