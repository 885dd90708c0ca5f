#pragma once

// The ordinary files' texts that never change.  Spelling slips are the
// characters' own and stay as they are.
namespace kx::files::texts {

inline constexpr char kPiratedFilesMail[] =
    "Yo yo yo jigga, what be up.  I have those pirated files you needed, and if you really feel "
    "like it I'll put them on a cd for 5 bucks.";
inline constexpr char kTestMail[] =
    "This is a test.  If you recieve this email, then the new network email program I wrote is "
    "working.  Reply if it is.";
inline constexpr char kFinanceList[] =
    "Finance list:\xFFSoftware - $3,000\xFF   3d Studio Max 3.o\xFF   Adobe Photoshop 5.5\xFF"
    "   Microsoft Visual Studio\xFFHardware - $12,000\xFF   VPL 12 Slot Network Server\xFF"
    "   DSL Fiberoptic Connection\xFF   Infrared Laser Satellite Connection";
inline constexpr char kTraceProgram[] =
    "for a = 1 to 32000\xFF   connect ipaddress,a\xFF   if state = 7 then\xFF"
    "      print 'connection from ' & ipaddress & ' on port ' & a\xFF   end if\xFFnext a";
inline constexpr char kMyFolder[] =
    "If you are reading this, you are in my folder.  I know I am allowing you employees access "
    "to it, but that's only so I can view it from other computers.  Please leave.";
inline constexpr char kVirusScan[] =
    "\xFF  Virus scan has found the following viruses on this computer.\xFFw32.hell.maker.fa\xFF"
    "wnt.adams.wod\xFF\xFFThe files could not be deleted, and are still infected.";
inline constexpr char kCreateUserName[] =
    "'This is a create username message\xFFWould you like to create a new name to login as?\xFF"
    "yes-no-cancel";
inline constexpr char kGroovePlugin[] =
    "The groove plugin is designed for use on a windows 32 bit system, not a terminal.  Please "
    "exit dos or your emulator and try again.";
inline constexpr char kWarranty[] =
    "By completing the following steps, you agree to take full responsibility of whatever "
    "happens hereon.  All claims and accounts directed toward this programs company.";
// A made-up address; the county and street exist nowhere.
inline constexpr char kAddress[] =
    "Alden Vorne\xFF" "2217 Quarry Fen Lane\xFFHarrowgate County, MT";
inline constexpr char kTemporaryAccess[] =
    "Temporary File Access -- Root f:\\drive\\nome\\bin\\temp\\";
inline constexpr char kImageFile[] =
    "This file cannot be viewed in terminal format, please load an image viewing/editing program "
    "first.";
// "tavrik" in block letters; no line is longer than 51 characters, so none wraps.
inline constexpr char kTavrikBanner[] =
    "\xFF"
    " ;;                              \xB4;  ;;\xFF"
    ";;;;;;   ,;;;,  ;;   ;;  ;;,;;,      ;;  ,;\xB4\xFF"
    " ;;      ,,,;;  \xB4;, ,;\xB4  ;;\xB4  \xB4  ;;  ;;,;\xB4\xFF"
    " ;;     ;;\xB4 ;;   ;; ;;   ;;      ;;  ;;\xB4;,\xFF"
    " \xB4;;;,  \xB4;;;\xB4;    \xB4;\xB4    ;;      ;;  ;;  \xB4;,\xFF";

} // namespace kx::files::texts
