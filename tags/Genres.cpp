#include "tags/Genres.h"

const std::vector<std::string>& GenreNames()
{
    // The published spellings, "Psychadelic" (67) and "Bebob" (85) included.
    static const std::vector<std::string> names = {
        /*   0 */ "Blues", "Classic Rock", "Country", "Dance", "Disco",
        /*   5 */ "Funk", "Grunge", "Hip-Hop", "Jazz", "Metal",
        /*  10 */ "New Age", "Oldies", "Other", "Pop", "R&B",
        /*  15 */ "Rap", "Reggae", "Rock", "Techno", "Industrial",
        /*  20 */ "Alternative", "Ska", "Death Metal", "Pranks", "Soundtrack",
        /*  25 */ "Euro-Techno", "Ambient", "Trip-Hop", "Vocal", "Jazz+Funk",
        /*  30 */ "Fusion", "Trance", "Classical", "Instrumental", "Acid",
        /*  35 */ "House", "Game", "Sound Clip", "Gospel", "Noise",
        /*  40 */ "AlternRock", "Bass", "Soul", "Punk", "Space",
        /*  45 */ "Meditative", "Instrumental Pop", "Instrumental Rock", "Ethnic", "Gothic",
        /*  50 */ "Darkwave", "Techno-Industrial", "Electronic", "Pop-Folk", "Eurodance",
        /*  55 */ "Dream", "Southern Rock", "Comedy", "Cult", "Gangsta",
        /*  60 */ "Top 40", "Christian Rap", "Pop/Funk", "Jungle", "Native American",
        /*  65 */ "Cabaret", "New Wave", "Psychadelic", "Rave", "Showtunes",
        /*  70 */ "Trailer", "Lo-Fi", "Tribal", "Acid Punk", "Acid Jazz",
        /*  75 */ "Polka", "Retro", "Musical", "Rock & Roll", "Hard Rock",
        /*  80 */ "Folk", "Folk-Rock", "National Folk", "Swing", "Fast Fusion",
        /*  85 */ "Bebob", "Latin", "Revival", "Celtic", "Bluegrass",
        /*  90 */ "Avantgarde", "Gothic Rock", "Progressive Rock", "Psychedelic Rock",
        /*  94 */ "Symphonic Rock",
        /*  95 */ "Slow Rock", "Big Band", "Chorus", "Easy Listening", "Acoustic",
        /* 100 */ "Humour", "Speech", "Chanson", "Opera", "Chamber Music",
        /* 105 */ "Sonata", "Symphony", "Booty Bass", "Primus", "Porn Groove",
        /* 110 */ "Satire", "Slow Jam", "Club", "Tango", "Samba",
        /* 115 */ "Folklore",
    };
    return names;
}
