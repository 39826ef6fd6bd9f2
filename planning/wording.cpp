// SPDX-License-Identifier: GPL-3.0-or-later
#include "wording.h"

#include <array>

namespace norv::planning {

namespace {

struct Row {
    std::string italian;
    std::string english;

    const std::string& in(Language language) const
    {
        return language == Language::Italian ? italian : english;
    }
};

// In the order of Wording.
const std::array<Row, 7> kWords = {{
    {"Spazio su disco pianificato", "Planned disk space"},
    {"Dimensione reale", "Real size"},
    {"Differenza", "Difference"},
    {"del piano", "of the plan"},
    {"Obiettivo corretto", "Corrected target"},
    {"Codifica in due passate con ffmpeg: video MPEG-4 parte 2 (mpeg4) e audio MP3 (libmp3lame) in AVI. "
     "Sostituisci INPUT e OUTPUT con i nomi dei file.",
     "Two-pass encode with ffmpeg: MPEG-4 part 2 video (mpeg4) and MP3 audio (libmp3lame) in AVI. "
     "Replace INPUT and OUTPUT with the file names."},
    {"Codifica in due passate con ffmpeg: video Theora (libtheora) e audio Vorbis (libvorbis) in Ogg. "
     "Sostituisci INPUT e OUTPUT con i nomi dei file.",
     "Two-pass encode with ffmpeg: Theora video (libtheora) and Vorbis audio (libvorbis) in Ogg. "
     "Replace INPUT and OUTPUT with the file names."},
}};

// In the order of InputError.
const std::array<Row, 14> kMessages = {{
    {"Scrivi un valore.", "Type a value."},
    {"Questo non è un numero nella tua notazione.", "This is not a number in your notation."},
    {"Il valore non può essere negativo.", "The value cannot be negative."},
    {"Il risultato è 0: indica un valore più grande.", "The result is 0: give a larger value."},
    {"Troppo grande: il campo contiene al massimo 999999999999999.",
     "Too large: the field holds at most 999999999999999."},
    {"Il margine di sicurezza è una percentuale da 0 a meno di 100.",
     "The safety margin is a percent from 0 to below 100."},
    {"Scrivi la durata come h:mm:ss, m:ss o secondi.", "Write the length as h:mm:ss, m:ss or seconds."},
    {"Minuti e secondi dopo la prima parte devono essere minori di 60.",
     "Minutes and seconds after the first part must be below 60."},
    {"Un numero di fotogrammi è un numero intero.", "A number of frames is a whole number."},
    {"La frequenza dei fotogrammi deve essere maggiore di 0.", "The frame rate must be above 0."},
    {"Il piano non ha uno spazio su disco maggiore di 0.", "The plan has no disk space above 0."},
    {"Il file reale è grande il doppio del piano o più: non resta alcun obiettivo.",
     "The real file is twice the plan or more: no target is left."},
    {"Uno stream video o audio non ha un bitrate maggiore di 0: ripartisci prima gli stream "
     "(doppio clic sulla lista degli stream).",
     "A video or audio stream has no bitrate above 0: share out the streams first "
     "(double-click the stream list)."},
    {"Le righe di comando sono previste per i container AVI e OGM.",
     "Command lines are made for the AVI and OGM containers."},
}};

} // namespace

const std::string& words(Wording wording, Language language)
{
    return kWords.at(std::size_t(wording)).in(language);
}

const std::string& message(InputError error, Language language)
{
    return kMessages.at(std::size_t(error)).in(language);
}

} // namespace norv::planning
