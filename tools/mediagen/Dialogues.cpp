// Every partner's conversation, the check for unsafe lines, and writing "dialogues.txt".
// Apart from the sounds: the other half of what korvel-mediagen writes.

#include "Dialogues.h"

#include <set>
#include <sstream>

// Entry numbers and what the quest node shows them for:
// 1 greeting and offer ('1' -> 2, '2' -> 4); 2 the task explained
// ('1' accepts -> 8, '2' -> 3); 3 and 4 persuasion ('1' accepts -> 8);
// 5 reminder while the task is under way; 6 thanks on delivery; 7 after the
// quest is closed; 8 the task accepted ('2' -> 5). 'q' always closes the box
// and is the only way back to walking, so every entry names it.

namespace {

// Each partner's eight entries, one after the other: what the character
// says, then one line of the player's replies, separated by " | ", each
// starting with its key and ": ". The indent is the table's, not the lines'.
struct PartnerScript {
    const char* key;
    const char* lines;
};

constexpr PartnerScript scripts[] = {
    // Level 1: Bruder Friedbert has lost his black sheep; he thanks with a ring.
    {"priester", R"(
        Gruess Gott! Ich bin Bruder Friedbert.
        Ach, was fuer ein Kummer: Mein schwarzes Schaf ist fort.
        Willst du einem alten Priester helfen?
        1: Gern. Was ist denn passiert? | 2: Ich habe leider keine Zeit. | q: Auf Wiedersehen.
        Heute frueh stand das Gatter offen, und weg war es.
        Ich glaube, es grast beim Wald hinter dem Dorf.
        Geh nur zu ihm hin, dann folgt es dir brav.
        Bringst du es mir zurueck?
        1: Ich hole dein Schaf zurueck. | 2: Warum holst du es nicht selbst? | q: Auf Wiedersehen.
        Meine Knie sind alt, und die Kirche will gehuetet sein.
        Hilf mir, und du sollst es nicht bereuen:
        Ich habe einen Ring, den schenke ich dir zum Dank.
        1: Na gut, ich hole das Schaf. | q: Lieber nicht. Auf Wiedersehen.
        Keine Zeit? Das sagen alle, die durch dieses Dorf kommen.
        Aber ohne Hilfe kommst du hier nicht weit:
        Die alte Frau am Dorfausgang laesst niemanden vorbei.
        1: Also gut, ich helfe dir. | q: Auf Wiedersehen.
        Mein Schaf grast beim Wald hinter dem Dorf.
        Geh zu ihm hin, dann folgt es dir. Bring es her zu mir.
        Ohne mein Schaf ist die Kirche so leer.
        q: Ich mache mich auf den Weg.
        Mein Schaf! Danke, Fenno, danke!
        Der Herr segne dich. Hier, nimm diesen Ring zum Dank.
        Die alte Frau am Dorfausgang wartet schon lange darauf.
        q: Gern geschehen!
        Mein Schaf ist wieder da, wo es hingehoert.
        Gute Reise, Fenno, und gib gut auf dich acht.
        q: Leb wohl, Bruder Friedbert.
        Gott vergelt's! Mein schwarzes Schaf grast beim Wald
        hinter dem Dorf. Geh zu ihm hin, dann folgt es dir.
        Bring es mir zurueck zur Kirche.
        2: Wo finde ich das Schaf noch mal? | q: Ich mache mich auf den Weg.
    )"},

    // Level 1: the old woman lets nobody out of the village without the ring.
    {"altefrau", R"(
        Halt! Hier kommt keiner vorbei.
        Ich bin alt, aber ich passe auf unser Dorf auf.
        Wer hinaus will, muss mir erst einen Gefallen tun.
        1: Was fuer einen Gefallen? | 2: Lass mich einfach durch! | q: Schon gut, ich gehe.
        Bruder Friedbert hat einen Ring, der einst mir gehoerte.
        Er gibt ihn nur dem, der ihm hilft.
        Hilf dem Bruder und bring mir den Ring,
        dann darfst du gehen.
        1: Abgemacht, ich bringe dir den Ring. | 2: Warum fragst du ihn nicht selbst? | q: Schon gut, ich gehe.
        Ich? Mit meinen alten Beinen den ganzen Weg zur Kirche?
        Nein, nein. Du bist jung, du machst das.
        1: Na schoen, ich hole den Ring. | q: Darueber muss ich erst nachdenken.
        Frech bist du auch noch!
        Ohne eine gute Tat kommt hier keiner vorbei. Halleluja!
        1: Schon gut, ich tue dir den Gefallen. | q: Dann eben nicht.
        Wo bleibt mein Ring? Bruder Friedbert steht bei der Kirche.
        Hilf ihm, dann gibt er dir den Ring, und du bringst ihn mir.
        q: Ich bin schon unterwegs.
        Halleluja! Mein Ring! Danke, Fenno.
        Nun darfst du gehen. Der Weg aus dem Dorf ist frei.
        q: Leb wohl!
        Du hast dem Bruder geholfen, das hat sich herumgesprochen.
        Geh nur, der Weg aus dem Dorf ist frei. Halleluja!
        q: Danke, und leb wohl!
        Gut so! Hilf Bruder Friedbert bei der Kirche,
        dann gibt er dir den Ring. Den bringst du mir.
        2: Wo finde ich den Bruder noch mal? | q: Bis bald!
    )"},

    // Level 2: the hermit needs feed from the chicken yard to mend his manger.
    {"einsiedler", R"(
        Oh, Besuch! Hier draussen kommt sonst nie jemand vorbei.
        Ich lebe allein mit meinen Voegeln. Doch meine Krippe
        ist kaputt, und das Futter ist aus. Hilfst du mir?
        1: Was brauchst du denn? | 2: Deine Voegel sind mir egal. | q: Ein andermal.
        Hinter dem Wald im Norden liegt ein Huehnerhof.
        Dort steht eine Scheibtruhe: Nimm sie mit (m) und lade
        beim Futterhaufen die Saecke auf (m). Bring mir das Futter,
        dann flicke ich die Krippe, und der Weg zum Fluss ist frei.
        1: Ich hole dir das Futter. | 2: Und wenn ich keine Lust habe? | q: Ein andermal.
        Dann bleibt die Krippe kaputt und versperrt dir den Weg.
        Der einzige Weg zum Fluss fuehrt an meiner Krippe vorbei.
        1: Schon gut, ich hole das Futter. | q: Ein andermal.
        Egal? Die Voegel singen fuer jeden, auch fuer dich.
        Und ohne mich kommst du nicht weiter:
        Die kaputte Krippe versperrt den Weg zum Fluss.
        1: Also gut, ich helfe dir. | q: Ein andermal.
        Das Futter liegt auf dem Huehnerhof im Norden.
        Nimm die Scheibtruhe (m) und lade die Saecke auf (m).
        Lass die Huehner nicht zu nah heran, sie fressen alles weg!
        q: Ich bin schon unterwegs.
        Futter! Danke, Fenno, danke!
        Gleich flicke ich die Krippe. Schau, schon ist sie ganz,
        und der Weg zum Fluss ist frei.
        q: Gern geschehen.
        Die Voegel sind satt, und die Krippe haelt.
        Am Fluss steht ein Zoellner. Sei hoeflich zu ihm!
        q: Mach's gut!
        Wunderbar! Der Huehnerhof liegt hinter dem Wald im Norden.
        Nimm dort die Scheibtruhe (m), lade Futter auf (m)
        und bring es mir. Gib acht auf die Huehner!
        2: Wie war das noch mal? | q: Bis bald!
    )"},

    // Level 4: Trumbel, the customs officer, wants an inspection badge.
    {"trumbel", R"(
        Halt! Zollkontrolle! Ich bin Trumbel, der Zoellner.
        Ohne gueltige Plakette kommt hier keiner ueber den Fluss.
        Hast du eine Plakette?
        1: Nein. Wo bekomme ich eine? | 2: Lass mich doch einfach durch. | q: Dann gehe ich wieder.
        Die letzte Plakette hat eine Riesenschlange im Norden.
        Sie liegt darauf wie auf einem Ei. Treib erst ihre Kleinen
        in den Kaefig, dann kommt sie heraus. Pfeif ihr was
        (linke Maustaste), dann ist sie verwirrt,
        und du nimmst die Plakette (m).
        1: Ich hole die Plakette. | 2: Eine Riesenschlange? Nein danke! | q: Dann gehe ich wieder.
        Angst? Die Schlange ist gross, aber nicht schlau.
        Solange du pfeifst, ruehrt sie sich nicht.
        1: Also gut, ich versuche es. | q: Dann gehe ich wieder.
        Vorschrift ist Vorschrift!
        Ohne Plakette bleibt die Schranke zu.
        1: Schon gut, ich besorge eine Plakette. | q: Dann gehe ich wieder.
        Noch keine Plakette? Die Schlangen hausen im Norden.
        Treib die Kleinen in den Kaefig, pfeif der Grossen was
        (linke Maustaste) und nimm dann die Plakette (m).
        q: Ich bin schon unterwegs.
        Eine echte Plakette! Danke, Fenno!
        Alles in Ordnung. Die Schranke ist offen, gute Reise.
        q: Danke, Trumbel.
        Die Bruecke ist frei. Drueben liegt ein Dorf mit Wirtshaus.
        Dort wartet schon jemand auf dich.
        q: Leb wohl!
        Sehr gut! Die Schlangen hausen im Norden.
        Treib die Kleinen in den Kaefig, lenk die Grosse
        mit Pfeifen ab (linke Maustaste)
        und nimm die Plakette (m).
        2: Wie war das noch mal? | q: Bis bald!
    )"},

    // Level 6: the hooded hero invites the player to the next journey.
    {"held", R"(
        Psst! Du bist also Fenno. Ich habe viel von dir gehoert:
        ein Schaf, eine Krippe, eine Plakette ... nicht schlecht.
        Ich suche einen Gefaehrten fuer eine grosse Reise.
        1: Erzaehl mir mehr. | 2: Wer bist du ueberhaupt? | q: Kein Interesse.
        Weit hinter den Bergen liegt das Land Sarnik.
        Dort wartet ein Abenteuer, zu gross fuer einen allein.
        Kommst du mit mir?
        1: Ich komme mit! | 2: Ist das nicht gefaehrlich? | q: Kein Interesse.
        Gefaehrlich? Du hast eine Riesenschlange ausgetrickst!
        Ein bisschen Gefahr gehoert nun mal dazu.
        1: Also gut, ich bin dabei! | q: Ich ueberlege es mir noch.
        Mein Name tut nichts zur Sache. Nenn mich einfach Held.
        Wichtig ist nur: Ich brauche einen Gefaehrten,
        und du bist mutig.
        1: Gut, ich komme mit dir. | q: Kein Interesse.
        Der Weg nach Sarnik ist weit. Wir brechen sofort auf.
        Beende das Gespraech (q), dann geht es los!
        q: Auf nach Sarnik!
        Danke, Fenno. Auf dich ist Verlass.
        Unser Abenteuer geht bald weiter.
        q: Bis bald!
        Das war eine schoene Reise, Fenno.
        Ruh dich aus. Bald geht es weiter, in Sarnik!
        q: Bis bald!
        Abgemacht! Pack deine Sachen, wir brechen sofort auf.
        Beende das Gespraech (q), dann beginnt unsere Reise.
        2: Wohin geht die Reise? | q: Auf nach Sarnik!
    )"},
};

std::vector<DialoguePartner> makePartners()
{
    std::vector<DialoguePartner> partners;
    for (const PartnerScript& script : scripts) {
        DialoguePartner& partner = partners.emplace_back(DialoguePartner{script.key, {}});
        std::size_t entry = 0;
        std::istringstream in(script.lines);
        for (std::string line; std::getline(in, line);) {
            line.erase(0, line.find_first_not_of(' '));
            if (line.empty()) {
                continue;
            }
            DialogueEntry& e = partner.entries.at(entry);
            if (line.size() < 3 || line[1] != ':' || line[2] != ' ') {
                e.text.push_back(line);
                continue;
            }
            for (std::size_t bar; (bar = line.find(" | ")) != std::string::npos; line.erase(0, bar + 3)) {
                e.replies.push_back(line.substr(0, bar));
            }
            e.replies.push_back(line);
            ++entry;
        }
    }
    return partners;
}

std::string checkLine(const std::string& line, const std::string& where)
{
    if (line.empty() || line.front() == '#' || line.back() == ' ') {
        return where + ": line \"" + line + "\" would be taken for a marker or does not match exactly";
    }
    for (char c : line) {
        if (c < 0x20 || c > 0x7e) {
            return where + ": line \"" + line + "\" is not plain printable ASCII";
        }
    }
    return {};
}

} // namespace

const std::vector<DialoguePartner>& dialoguePartners()
{
    static const std::vector<DialoguePartner> partners = makePartners();
    return partners;
}

std::string unsafeDialogueLine(const std::vector<DialoguePartner>& partners)
{
    for (const DialoguePartner& partner : partners) {
        for (std::size_t n = 0; n < partner.entries.size(); ++n) {
            const std::string where = partner.key + " entry " + std::to_string(n + 1);
            for (const auto* lines : {&partner.entries[n].text, &partner.entries[n].replies}) {
                for (const std::string& line : *lines) {
                    if (std::string problem = checkLine(line, where); !problem.empty()) {
                        return problem;
                    }
                }
            }
        }
    }
    return {};
}

void writeDialogues(std::ostream& out, const std::vector<DialoguePartner>& partners)
{
    for (const DialoguePartner& partner : partners) {
        out << '#' << partner.key << '\n';
        for (std::size_t n = 0; n < partner.entries.size(); ++n) {
            const DialogueEntry& entry = partner.entries[n];
            out << '#' << n + 1 << '\n' << "#text\n";
            for (const std::string& line : entry.text) {
                out << line << '\n';
            }
            out << "#replies\n";
            for (const std::string& line : entry.replies) {
                out << line << '\n';
            }
            out << "#end\n\n";
        }
    }
}

void writeDialogueTemplate(std::ostream& out, const std::vector<DialoguePartner>& partners)
{
    out << "msgid \"\"\nmsgstr \"Content-Type: text/plain; charset=UTF-8\\n\"\n";
    std::set<std::string> written;
    for (const DialoguePartner& partner : partners) {
        for (std::size_t n = 0; n < partner.entries.size(); ++n) {
            for (const auto* lines : {&partner.entries[n].text, &partner.entries[n].replies}) {
                for (const std::string& line : *lines) {
                    // Lines are printable ASCII (unsafeDialogueLine checks):
                    // only '"' and '\\' want escaping.
                    if (!written.insert(line).second) {
                        continue;
                    }
                    out << "\n#. " << partner.key << ", entry " << n + 1 << "\nmsgid \"";
                    for (const char c : line) {
                        out << (c == '"' || c == '\\' ? "\\" : "") << c;
                    }
                    out << "\"\nmsgstr \"\"\n";
                }
            }
        }
    }
}
