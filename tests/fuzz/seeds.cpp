// SPDX-License-Identifier: GPL-3.0-or-later
#include "seeds.h"

namespace norv::fuzz {

namespace {

// Adds a stream through the dialog: type, value, option (0 bitrate, 1 bytes, 2 percent).
Script& addStream(Script& s, int type, const std::string& value, int option)
{
    s.click(Win::Main, "AddStreamButton").select(Win::AddStream, "streamtype", type);
    s.click(Win::AddStream, "tipodimensione(" + std::to_string(option) + ")");
    if (option != 2)
        s.type(Win::AddStream, "dimensionestream", value);
    return s.click(Win::AddStream, "Add");
}

// Focuses a main-window field and types into it, as a user does.
Script& enter(Script& s, const std::string& field, const std::string& text)
{
    return s.focus(Win::Main, field).type(Win::Main, field, text);
}

Script frameSize(bool comma)
{
    Script s;
    if (comma)
        s.comma();
    enter(enter(s, "xdivisible", "16"), "ydivisible", "16");
    addStream(s, 0, "1000000", 0);
    enter(s, "fwidth", "700").focus(Win::Main, "fheight");
    enter(s, "videoquality", comma ? "1220,703125" : "1220.703125");
    s.focus(Win::Main, "videoqualitys").slide(Win::Main, "videoqualitys", 1015).step(Win::Main, "videoqualitys", 5);
    s.focus(Win::Main, "fwidths").step(Win::Main, "fwidths", -1).step(Win::Main, "fwidths", 5);
    s.focus(Win::Main, "fheights").slide(Win::Main, "fheights", 1);
    return s;
}

Script allocation(bool comma)
{
    Script s;
    if (comma)
        s.comma();
    enter(s, "diskspace", "734003200").focus(Win::Main, "lenght");
    s.keys(Win::Main, "lenght", comma ? "5400,5" : "5400");
    addStream(s, 0, "100", 2);
    addStream(s, 1, "128000", 0);
    addStream(s, 2, "50", 2);
    s.mouseDown(Win::Main, "streamlist").mouseUp(Win::Main, "streamlist").dblclick(Win::Main, "streamlist");
    s.select(Win::Main, "streamlist", 1).click(Win::Main, "RemoveStreamButton");
    s.dblclick(Win::Main, "lenght");
    return s;
}

Script diskSpace()
{
    Script s;
    s.stored("English", "1");
    enter(s, "lenght", "60");
    addStream(s, 1, "1000000", 1);
    addStream(s, 1, "128000", 0);
    s.mouseDown(Win::Main, "diskspace").mouseUp(Win::Main, "diskspace").dblclick(Win::Main, "diskspace");
    s.select(Win::Main, "containerselector", 2).dblclick(Win::Main, "diskspace");
    s.select(Win::Main, "containerselector", 1).dblclick(Win::Main, "diskspace");
    return s;
}

Script refusedVideo()
{
    Script s;
    addStream(s, 0, "1000", 0);
    s.click(Win::Main, "AddStreamButton").select(Win::AddStream, "streamtype", 0).click(Win::AddStream, "Add");
    s.click(Win::Error, "Riprendi").select(Win::AddStream, "streamtype", 1);
    s.click(Win::AddStream, "tipodimensione(1)").type(Win::AddStream, "dimensionestream", "12abc");
    s.click(Win::AddStream, "tipodimensione(2)").click(Win::AddStream, "tipodimensione(0)");
    s.click(Win::AddStream, "Add").click(Win::Main, "AddStreamButton").click(Win::AddStream, "Abort");
    s.click(Win::Main, "AddStreamButton").close(Win::AddStream);
    return s;
}

Script options()
{
    Script s;
    s.stored("Italiano", " 1");
    s.click(Win::Main, "Option").click(Win::Options, "lingua(1)").click(Win::Options, "overhead");
    s.click(Win::Options, "overhead").close(Win::Options).click(Win::Main, "Option");
    s.click(Win::Options, "lingua(0)").click(Win::Main, "About").close(Win::About);
    return s;
}

Script errors()
{
    Script s;
    enter(s, "xdivisible", "16px").click(Win::Error, "Riprendi");
    s.type(Win::Main, "xdivisible", "0.3").type(Win::Main, "xdivisible", "8");
    addStream(s, 0, "1000000", 0);
    enter(enter(s, "prop1", "-4"), "videoquality", "900");
    enter(s, "fwidth", "1E308").focus(Win::Main, "fheight");
    enter(s, "prop2", "4:3").focus(Win::Main, "fheight").click(Win::Error, "Termina");
    return s;
}

Script typing()
{
    Script s;
    s.focus(Win::Main, "framerate").keys(Win::Main, "framerate", "29.97").backspace(Win::Main, "framerate");
    s.focus(Win::Main, "fwidth").keys(Win::Main, "fwidth", "72").focus(Win::Main, "prop1");
    s.keys(Win::Main, "prop1", "4").focus(Win::Main, "prop2").keys(Win::Main, "prop2", "3");
    s.focus(Win::Main, "fheight").keys(Win::Main, "fheight", "480");
    s.focus(Win::Main, "lenght").keys(Win::Main, "lenght", "0.4").close(Win::Main);
    return s;
}

} // namespace

std::vector<std::pair<std::string, Script>> seeds()
{
    return {
        {"frame_size", frameSize(false)},       {"frame_size_comma", frameSize(true)},
        {"allocation", allocation(false)},      {"allocation_comma", allocation(true)},
        {"disk_space", diskSpace()},            {"refused_video", refusedVideo()},
        {"options", options()},                 {"errors", errors()},
        {"typing", typing()},
    };
}

} // namespace norv::fuzz
