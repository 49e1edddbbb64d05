// The story's pages, as the dialogue box shows them. Deduvavi finds the sword
// in the dungeon below Vorudu; Tempor tells him what it is and sends him through
// the Forgotten Forest to Mistilia; at the first bearer's stone the sword shows
// him the old war and Katu, who waited; Timson in Mistilia sends him down to
// Limbus and on to the road to Pisceria.
#include "world/story_scenes.h"

#include "world/level_table.h"

namespace {

struct StoryPage {
    const char* speaker;
    const char* lines[kVillagerLineCount];
};

constexpr StoryPage kPages[kStoryPageCount] = {
    {"Deduvavi",
     {"The tremors broke open a hidden hall down here.",
      "And a sword stands in the rock, as if left waiting.",
      "No rust on the blade, and its empty sockets shine.",
      "It would be wrong to leave it in the dark. I'll take it."}},
    {"Deduvavi", {"It comes free as if it wanted to... Something moves!"}},
    {"Deduvavi",
     {"Ogres, so far below Vorudu... They came for the sword.",
      "The blade moved almost by itself. It fought with me.",
      "Old Tempor knows all the old tales. He must see this."}},
    {"Tempor",
     {"Deduvavi! The ground shook again, just now.", "Wait... that sword. Where did you find it, boy?"}},
    {"Deduvavi",
     {"In the dungeon below the village, in a hall the", "tremors opened. It stood in the rock and came",
      "free at my touch. Then two Ogres attacked me.",
      "You know the old tales, Tempor. What is this sword?"}},
    {"Tempor",
     {"Listen well. A hundred years ago the sorcerer Katu",
      "came from Pisceria, and with him a beast, Limbus.",
      "Where he walked, the ground split and towns burned.",
      "Mistilia stood only because its smiths forged that blade."}},
    {"Tempor",
     {"It was made to carry Swarps and their strength.", "Its bearer drove Limbus into the Dungeon of the",
      "Damned and sealed him there. Katu fled home,", "and the sword was hidden below Vorudu, asleep."}},
    {"Tempor",
     {"No seal lasts for ever. These tremors are Limbus",
      "pulling at his chains, and the Ogres you met serve him.",
      "If the sword woke for you, the seal is failing,", "and the sword has chosen you to close it again."}},
    {"Tempor",
     {"Do not go straight to that dungeon. Cross the", "plains to the Forgotten Forest. The first bearer",
      "lies under a grey stone no moss grows on. Stand", "there, sword in hand: it will show you its past."}},
    {"Tempor",
     {"Beyond the forest lies Mistilia, where my old", "friend Timson lives. Show him the sword: he",
      "knows that dungeon far better than I do. And set",
      "Swarps in the blade: without them it is half a sword."}},
    {"Tempor",
     {"The way out of the village is open now. Go with care.",
      "Katu was never found, and he may follow Limbus.",
      "May the sword guard you as it once guarded us all."}},
    {"Deduvavi",
     {"A sorcerer, a beast and a sword that waited a century...",
      "I only went down to see what was shaking the houses.",
      "But if the sword chose me, I won't abandon Vorudu.", "The forest first, then Mistilia and Timson."}},
    {"Deduvavi",
     {"A grey stone without a leaf of moss. This is it.", "The first bearer rests here... The sword is warm.",
      "It trembles as if calling to someone. I see...",
      "a man in old armour, raising this blade in the dark."}},
    {"Deduvavi",
     {"He drives Limbus down into a pitch-black dungeon.", "Every Swarp in the blade burns; the gate shuts.",
      "But far off, on the road to Pisceria, a man laughs:",
      "Katu. He let his beast be sealed, and he waited."}},
    {"Deduvavi",
     {"The vision is gone. So Katu meant to come back.", "The bearer's last strength went into that seal,",
      "and it is almost spent. On to Mistilia, quickly.",
      "Something moves in the trees. The ground shakes!"}},
    {"Deduvavi",
     {"A Behemoth! It lay in wait, close to the stone.", "Katu left a watchman to keep the bearer away.",
      "Then it must get past this blade first. Come on!"}},
    {"Timson",
     {"So Tempor sent you, with the sword of the tales...", "I hoped never to see it. Limbus is waking.",
      "Three nights ago the Dungeon of the Damned breathed",
      "fire, and the men who went down to look are lost."}},
    {"Timson",
     {"His Scorpions and Spikes fill the dungeon now;", "their stings pierce any armour. Limbus waits at",
      "the bottom, by the seal. Break him there.", "Worse: riders were seen on the road to Pisceria."}},
    {"Deduvavi",
     {"Katu. The vision showed him on that road.", "If he returns, I'll meet him there after Limbus."}},
    {"Timson",
     {"More courage than sense, like the bearer. Good.", "The dungeon lies past the far end of the town.",
      "After Limbus, take the road to Pisceria. Go well."}},
    {"Deduvavi",
     {"Limbus first, then Pisceria. The sword is ready.", "And so am I. This ends where it all began."}},
};

constexpr bool PagesFit() {
    for (const StoryPage& page : kPages)
        for (const char* line : page.lines) {
            size_t length = 0;
            if (line)
                while (line[length] != '\0') ++length;
            if (length >= kVillagerTextSize) return false;
        }
    return true;
}
static_assert(PagesFit(), "a story line is longer than 69 characters");

} // namespace

void StoryPageText(DialogueRecord& buffer, int32_t page) {
    if (page < 0 || page >= kStoryPageCount) {
        FillDialogue(buffer, "", "");
        return;
    }
    const StoryPage& text = kPages[page];
    FillDialogue(buffer, text.speaker, text.lines[0], text.lines[1], text.lines[2], text.lines[3]);
}

void EndingText(DialogueRecord& buffer) {
    FillDialogue(buffer, "", "The End", "", "", "To be continued...");
}
