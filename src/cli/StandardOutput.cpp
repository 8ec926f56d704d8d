// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/StandardOutput.h"

#include "common/CarefulWrite.h"

#include <unistd.h>


bool TStandardOutput::Drain()
{
    if (FirstError == 0)
        FirstError = WriteAll(STDOUT_FILENO, std::string_view(pbase(), static_cast<std::size_t>(pptr() - pbase())));
    // Bytes that could not be written are dropped: the failure is what is reported.
    setp(Buffer.data(), Buffer.data() + Buffer.size());
    return FirstError == 0;
}

TStandardOutput::int_type TStandardOutput::overflow(int_type c)
{
    if (!Drain())
        return traits_type::eof();
    if (!traits_type::eq_int_type(c, traits_type::eof()))
        sputc(traits_type::to_char_type(c));
    return traits_type::not_eof(c);
}

int TStandardOutput::sync()
{
    return Drain() ? 0 : -1;
}

int TStandardOutput::Finish()
{
    Drain();
    return FirstError;
}
