#include "WorldTables.h"

namespace kx::tables {

const std::array<std::string_view, 100> kCompanies = {
    "Brightwave.com", "Microsoft", "Microsoft Network", "American Broadcasting Company",
    "Bank of Boston", "Network Solutions Inc.", "Music Television Industries", "Terminal Corp",
    "International Business Machine", "Micro Engineering Solutions Inc.", "Compaq Computer",
    "America Online", "National Security Agency", "New York Stock Exchange", "Master Card",
    "American Express", "Visa", "Gateway", "Adobe Systems Inc.", "Webster Conductors",
    "EarthLink Network", "Barnes and Noble", "Macromedia Inc.", "Sony Entertainment (America)",
    "Sony Entertainment (Japan)", "Lycos", "Shopcrate.com", "Wall Street Journal",
    "United Bank of Switzerland", "HSBC Holdings (America)", "HSBC Holdings (Japan)",
    "Banca di Roma", "Pixelmart.com", "Kinetix Inc", "Database Internazionale",
    "Toyota Motor Corp", "Hitachi Ltd.", "Veba AG", "Crank Software", "Nullsoft", "Total",
    "Intel", "Cisco Systems", "Dell Computer", "Federal Express", "United Parcel Service",
    "Ingram Micro", "Nortel Networks", "Tech Data", "Arrow Electronics", "Micron Electronics",
    "Charles Schwab & Co.", "TD Waterhouse", "Bidhaven.com", "E*Trade Securites",
    "Tunestream.com", "Yahoo!", "Quickcart.com", "Cabletron Systems", "Fidelity Investments",
    "Pegasus Systems", "Micro Warehouse", "Onsale", "Delta Air Lines", "MindSpring Enterprises",
    "Petpantry.com", "DLJdirect", "Ameritrade Holding", "Dow Jones", "Bookburrow.com",
    "Flightnest.com", "Corporate Express", "Northwest Airlines", "Reliance Insurance Group",
    "Starwood Hotels", "CMGI", "Prodigy", "Cyberian Outpost", "Intuit",
    "Marriott International", "uBid", "DoubleClick", "eBay", "InfoSeek", "Datek Online",
    "CDW Computer Centers", "Lands' End", "Gadgetgrove.com", "PC Connection", "Trend Micro",
    "Insight Enterprises", "Disney", "Ziff-Davis", "Inktomi", "Getty Images", "Mailmoth.com",
    "Stockpilot.com", "DVD Express", "Toystack.com", "Control Groups of America",
};

const std::array<std::string_view, 50> kFirstNames = {
    "Jake", "Joe", "Mike", "Ryan", "Brian", "James", "Eric", "Bill", "Will", "William",
    "Brandon", "Travis", "Frank", "Francis", "Rakeem", "Erin", "Shaina", "Felicia", "Brittney",
    "Agnes", "Julie", "Julia", "John", "Johnathon", "Joseph", "Peter", "Jim", "Tony", "Anthony",
    "Lea", "Oliver", "Walter", "Patrick", "Crystal", "Karen", "Kira", "Ashley", "Sara",
    "Stephanie", "Alfred", "Butch", "Jillian", "Tyler", "Kristen", "Ralph", "Phillip", "Edward",
    "Jeffrey", "Webster", "Aaron",
};

const std::array<std::string_view, 50> kLastNames = {
    "Johnson", "Argelack", "Patraski", "Zalenski", "Smith", "Clintward", "Webster", "Micheals",
    "Mickal", "Waterman", "Gromley", "Sprage", "Littel", "Smitheson", "Roberts", "Robertson",
    "Losar", "Lothrop", "Lohman", "Rammack", "Hartle", "Gallent", "Gillette", "Tracy",
    "Dickinson", "Sachs", "Cooper", "Bailey", "Boada", "Curry", "Ryan", "Skalski", "Peterman",
    "Callet", "Doerr", "Mroczka", "Oberg", "Reed", "France", "Timerson", "Crapp", "Turell",
    "Pomroy", "Algorman", "Sevrest", "Calcio", "Bryerson", "Bruenn", "Eblen", "Sonie",
};

// Login names: slots 1 to 50, which servers are given, are 2 to 9 letters long.
const std::array<std::string_view, 100> kUserNames = {
    "admin", "root", "guest", "john", "mike", "sara", "oper", "sysop", "backup", "webmaster",
    "dave", "lisa", "tom", "anna", "bob", "jane", "mark", "kate", "paul", "amy", "steve",
    "linda", "chris", "nancy", "gary", "susan", "frank", "helen", "sam", "joe", "ops", "sales",
    "support", "info", "test", "demo", "user", "service", "network", "finance", "billing",
    "manager", "office", "staff", "jim", "ed", "al", "kim", "ray", "tony", "administrator",
    "postmaster", "operator", "accounting", "marketing", "developer", "engineering", "security",
    "controller", "helpdesk", "research", "sysadmin", "database", "webdesign", "production",
    "purchasing", "receivable", "shipping", "dispatch", "treasury", "frederick", "jonathan",
    "elizabeth", "christopher", "alexander", "catherine", "katherine", "benjamin", "nicholas",
    "stephanie", "victoria", "margaret", "jennifer", "patricia", "michelle", "jessica", "daniel",
    "matthew", "andrew", "timothy", "anthony", "charles", "richard", "william", "robert",
    "thomas", "joseph", "george", "edward", "guest",
};

// Passwords: slots 1 to 52, which servers are given, come first.
const std::array<std::string_view, 100> kPasswords = {
    "password", "secret", "letmein", "qwerty", "dragon", "monkey", "sunshine", "master",
    "shadow", "football", "baseball", "welcome", "abc123", "trustno1", "hello", "freedom",
    "whatever", "princess", "starwars", "computer", "internet", "money", "summer", "winter",
    "flower", "banana", "orange", "cheese", "coffee", "pepper", "ginger", "tiger", "eagle",
    "falcon", "phoenix", "matrix", "access", "system", "server", "backup", "admin", "test123",
    "pass1", "love", "god", "joshua", "guest", "root", "mustang", "corvette", "ferrari", "porsche",
    "superman", "batman", "spiderman", "wolverine", "thunderbird", "yellowstone", "mississippi",
    "californiadreaming", "supercalifragilistic", "openseasame", "rosebud",
    "zeppelin", "nirvana", "metallica", "elvis", "beatles", "madonna", "dolphin", "jaguar",
    "panther", "scorpion", "cobra", "viper", "rainbow", "diamond", "emerald", "sapphire",
    "platinum", "silver", "golden", "bronze", "marble", "granite", "crystal", "thunder",
    "lightning", "hurricane", "tornado", "blizzard", "volcano", "earthquake", "avalanche",
    "tsunami", "cyclone", "typhoon", "monsoon", "sunrise", "letmein2",
};

} // namespace kx::tables
