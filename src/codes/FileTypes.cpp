#include "FileTypes.h"

#include "FileType.h"

using namespace Qt::StringLiterals;

namespace codes {

std::unique_ptr<fw::FileType> FileTypes::pText;

void FileTypes::Initialize()
{
    pText = std::make_unique<fw::FileType>();
    pText->SetName(u"text/plain"_s);
    pText->SetExtensions(
        u".asc;.ascii;.bas;.c;.class;.cp;.cpp;.h;.hp;.hpp;.i3;.java;.m2;.m3;.mak;.text;.txt"_s);
    pText->SetMacType(u"TEXT"_s);
    pText->SetMacCreator(u"????"_s);
    // Converting a type to its name registers it.
    static_cast<void>(static_cast<QString>(*pText));
}

void FileTypes::Release() { pText.reset(); }

std::unique_ptr<fw::FileType> FileTypes::NewOpenDialogType()
{
    auto type = std::make_unique<fw::FileType>();
    type->SetName(u"text/plain"_s);
    type->SetMacType(u"TEXT"_s);
    type->SetExtensions(u"txt"_s);
    return type;
}

} // namespace codes
