// SPDX-License-Identifier: GPL-3.0-or-later
#include "seeds.h"

namespace norv::fuzz {

namespace {

// Adds a stream through the dialog: type, value, option (0 bitrate, 1 bytes, 2 percent).
std::string addStream(int type, const std::string& value, int option)
{
    const std::string o = std::to_string(option);
    return "main click AddStreamButton;add select streamtype " + std::to_string(type) + ";add click tipodimensione(" +
           o + ");" + (option != 2 ? "add type dimensionestream " + value + ";" : "") + "add click Add;";
}

// Focuses a main-window field and types into it, as a user does.
std::string enter(const std::string& field, const std::string& text)
{
    return "main focus " + field + ";main type " + field + " " + text + ";";
}

std::string frameSize(bool comma)
{
    return (comma ? "comma;" : "") + enter("xdivisible", "16") + enter("ydivisible", "16") +
           addStream(0, "1000000", 0) + enter("fwidth", "700") + "main focus fheight;" +
           enter("videoquality", comma ? "1220,703125" : "1220.703125") +
           "main focus videoqualitys;main slide videoqualitys 1015;main step videoqualitys 5;"
           "main focus fwidths;main step fwidths -1;main step fwidths 5;main focus fheights;main slide fheights 1";
}

std::string allocation(bool comma)
{
    return (comma ? "comma;" : "") + enter("diskspace", "734003200") + "main focus lenght;main keys lenght " +
           (comma ? "5400,5;" : "5400;") + addStream(0, "100", 2) + addStream(1, "128000", 0) +
           addStream(2, "50", 2) +
           "main down streamlist;main up streamlist;main dbl streamlist;main select streamlist 1;"
           "main click RemoveStreamButton;main dbl lenght";
}

} // namespace

std::vector<std::pair<std::string, std::string>> seeds()
{
    return {
        {"frame_size", frameSize(false)}, {"frame_size_comma", frameSize(true)},
        {"allocation", allocation(false)}, {"allocation_comma", allocation(true)},
        {"disk_space", "stored English 1;" + enter("lenght", "60") + addStream(1, "1000000", 1) +
                           addStream(1, "128000", 0) +
                           "main down diskspace;main up diskspace;main dbl diskspace;main select containerselector 2;"
                           "main dbl diskspace;main select containerselector 1;main dbl diskspace"},
        {"refused_video", addStream(0, "1000", 0) +
                              "main click AddStreamButton;add select streamtype 0;add click Add;err click Riprendi;"
                              "add select streamtype 1;add click tipodimensione(1);add type dimensionestream 12abc;"
                              "add click tipodimensione(2);add click tipodimensione(0);add click Add;"
                              "main click AddStreamButton;add click Abort;main click AddStreamButton;add close"},
        {"options", "stored Italiano 1.0;main click Option;opt click lingua(1);opt click overhead;"
                    "opt click overhead;opt close;main click Option;opt click lingua(0);main click About;about close"},
        {"errors", enter("xdivisible", "16px") + "err click Riprendi;main type xdivisible 0.3;main type xdivisible 8;" +
                       addStream(0, "1000000", 0) + enter("prop1", "-4") + enter("videoquality", "900") +
                       enter("fwidth", "1E308") + "main focus fheight;" + enter("prop2", "4:3") +
                       "main focus fheight;err click Termina"},
        {"typing", "main focus framerate;main keys framerate 29.97;main back framerate;main focus fwidth;"
                   "main keys fwidth 72;main focus prop1;main keys prop1 4;main focus prop2;main keys prop2 3;"
                   "main focus fheight;main keys fheight 480;main focus lenght;main keys lenght 0.4;main close"},
    };
}

} // namespace norv::fuzz
