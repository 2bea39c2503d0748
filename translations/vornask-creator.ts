<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1">
<context>
    <name>DialogSaveUser</name>
    <message>
        <source>Sure you don&apos;t want to save?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Overwrite %1?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replace %1? It differs from the file being saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You didn&apos;t use an .english file extension!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot create file %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is read-only.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder %1 does not allow new files: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The mission was saved, but its German copy could not be written: %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The campaign was saved, but its German copy could not be written: %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The mission was saved; its German copy %1 was left as it was.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The campaign was saved; its German copy %1 was left as it was.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 was not saved: its folder does not allow new files (%2). Saving safely writes a new file beside it and renames it over the old one, so the folder must allow new files.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The mission was saved, but its German copy %1 was not written: it is read-only.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The campaign was saved, but its German copy %1 was not written: it is read-only.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TAdvancedAIOptions</name>
    <message>
        <source>Advanced AI Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Options:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Value:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Description:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ability:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For AI%1...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type a whole number here, such as 20.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TAskTitleBox</name>
    <message>
        <source>What&apos;s the Title?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter the title of the map below:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TCampaignBox</name>
    <message>
        <source>VORNASK Creator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sequential</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ie. Play a map after you&apos;ve finished the previous map</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right click to delete or rename</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Delete Selected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move &amp;Up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move Do&amp;wn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Title:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Campaign Intro</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Header:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Mission</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Browse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Mission</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Campaign</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter a filename or browse for a file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Woah! Too many missions! What the hell are you doing?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add %1 to the campaign?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save anyway?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mission %1, &quot;%2&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: there is no %2 in that folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 cannot be read: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 cannot be read as a mission: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 never marks itself done, so mission %3 would never open.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>... and %n more.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Pre&amp;view</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>U&amp;ndo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Red&amp;o</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close without saving?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This row of the guide starts no mission: the game shows it as it is. It can be moved or deleted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The game shows this mission only while the conditions before it on its line hold: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The game&apos;s folder is not known, so there is no folder to look for the missions in: open the guide from the folder the game reads, or add the missions by their paths.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rename</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing found: every mission file was found, and the game will read the guide and its missions as you meant them, as far as the check can tell.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Looked for the missions in %1. What the game would read otherwise than you meant, in the guide&apos;s file as it will be saved and in the files of its missions:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: it opens only once mission %2, which comes after it, is done: the campaign is not played in the order of its missions, and if mission %2 waits for it, neither ever opens.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The check cannot read the guide&apos;s file: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TCampaignFinished</name>
    <message>
        <source>VORNASK Creator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Finished!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The campaign file is finished... please choose from the saving options below:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create duplicate german file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View/Edit source before saving.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TFifthBox</name>
    <message>
        <source>VORNASK Creator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Events</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Whose temple/priest?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>When one of these things happens it can display a message...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter the heading (in big letters) here</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter the message here</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Heading:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>When...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TFindingsBox</name>
    <message>
        <source>VORNASK Creator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>... and %n more.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TFirstBox</name>
    <message>
        <source>VORNASK Creator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Welcome!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hello! This is a wizard-like program, designed to make the VORNASK making process quick and painless. All you have to do is fill in the boxes, when asked, with the details of your map and it will automatically be created.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This is only a beta version, so please check back every so often at the map makers&apos; site for a newer one:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Or e-mail me with suggestions/comments at:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TFourthBox</name>
    <message>
        <source>VORNASK File Creator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Players and AIs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Player</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AI%1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>THelpBox</name>
    <message>
        <source>VORNASK Creator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to load help.txt - please place it in the same 
directory as the executable.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TOpponentTab</name>
    <message>
        <source>Enable this AI</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What&apos;s his name?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Does the AI have any friends?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Money:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Allies:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TPageFrame</name>
    <message>
        <source>&lt; &amp;Back</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TPlayerTab</name>
    <message>
        <source>Does the player have any friends?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Money:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Allies:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TPreviewBox</name>
    <message>
        <source>A picture of the unit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flags that are set:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tick a flag to see the text as the game shows it when the flag is set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The game shows nothing here: the file holds no such section.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Background picture: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(The preview ends here: it shows the first %1 characters.)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TSecondBox</name>
    <message>
        <source>VORNASK Creator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>General Details</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(Can&apos;t be changed)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Title of the map</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What mission number of the campaign?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Should more geysers be created during the game?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Randomly added geysers at the start of the game?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mission Type:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Map Title:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mission Number:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>More Geysers:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Random Geysers:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TSixthBox</name>
    <message>
        <source>VORNASK Creator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Congratulations!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Well done! The english file is complete - click on the OK button below to save it. But before you do, set the options for saving below:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Make a duplicate german file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View/edit the source before saving.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Have a &apos;Next Mission&apos; button (for campaigns)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next Mission:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter the filename without the extension</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>List what the game would read otherwise than you meant</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The check cannot read the mission&apos;s file: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing found: the game will read the mission as you meant it, as far as the check can tell.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What the game would read otherwise than you meant, in the mission&apos;s file as it will be saved:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TStartBox</name>
    <message>
        <source>VORNASK Creator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Campaign</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Mission</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Written by the VORNASK Creator developers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TThirdBox</name>
    <message>
        <source>VORNASK Creator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Entry Box</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The entry box is displayed when the map loads and usually contains a nice quote and the background story of the map.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A quote of some relevance to the map</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Who wrote the quote</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The plot!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quote Text:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quote Author:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Background Story:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TViewCampaignSource</name>
    <message>
        <source>VORNASK Creator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View/Edit Source</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TViewSourceBox</name>
    <message>
        <source>VORNASK Creator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View/Edit Source</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vornask</name>
    <message>
        <source>it is not a file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no system.reg</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>system.reg cannot be read, passed over</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>system.reg is not a Wine registry file, passed over</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no key of the game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>holds the game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>holds the game&apos;s key, but: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No Wine prefix to look in: neither WINEPREFIX nor HOME is set.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wine prefixes looked at, in order:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left out, past the limit of %1 registry files read (%2):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The prefix has no drive mapping for %1 (no such link in %2), so InstallDir names no folder here.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder %1 does not exist, so the file dialogs start in the working folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file dialogs start in: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The game&apos;s registry key was not found.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The game&apos;s registry key was not found. If the game is installed under Wine, start the program with WINEPREFIX set to the game&apos;s Wine prefix.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The game&apos;s prefix: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>InstallDir: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mission Files (*.english)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Campaign Files (guide*.english)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot open %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line %1: %2
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its name is not valid UTF-8, so this program cannot open it. Give it a name without such bytes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>there is no such file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 line of %1 will not be kept when the file is saved again:</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n lines of %1 will not be kept when the file is saved again:</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Open it anyway?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VORNASK Creator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 holds control characters, which the game&apos;s text has no place for, in line %2. The pages show each of them as &quot;?&quot;; a value you change is saved so, and the rest of the file keeps them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is larger than %1 MB, far larger than any mission or campaign guide file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it has more than %1 lines, far more than any mission or campaign guide file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>line %1 holds a NUL byte, so it is no text file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>line %1 is longer than %2 characters, far longer than any line of a mission or campaign guide file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>one of its texts has %1 lines; a story, message or intro may have %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it has no [Header] section, so it is no mission file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it has no [Overview] section, so it is no campaign guide file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 looks like UTF-8 text. Read it as UTF-8?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is %2 text. It will be saved in the game&apos;s code page (Windows-1252).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Characters that code page lacks, in line %1 and perhaps others, now read &quot;?&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file is not saved, as this program could not open it again: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The registry value &quot;InstallDir&quot; of HKEY_LOCAL_MACHINE\SOFTWARE\Titanic Entertainment\NetStorm is not text, so the game&apos;s folder stays unknown.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 for ai%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The quote</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The quote&apos;s author</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The story</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AI%1&apos;s name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The heading of %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The text of %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The next mission</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The header</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The title of mission %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file name of mission %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The source</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 holds characters that NetStorm cannot show: %2. They will be saved as &quot;?&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How rich is this guy?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tick the boxes to give the tech</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All technology</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Knowledge:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Writes mission and campaign files for NetStorm maps.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print where the game&apos;s registry key was looked for and found, and the folder the file dialogs will start in, then exit (status 0 when the game was found).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A mission or campaign guide file to open.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only one file can be opened.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pre&amp;view</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>See the text as the game shows it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot check %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the folder cannot be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is neither a mission file (no [Header] section) nor a campaign guide file (no [Overview] section).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Files checked: %1. Findings: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Files that could not be checked: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--check needs a file or folder to check.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>system.reg is over %1 MB, larger than any real prefix&apos;s: passed over</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the mission file %1 is neither beside the guide nor in the game&apos;s D folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the mission file %1 cannot be read: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the mission file %1 cannot be read as a mission: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the mission file %1 never marks itself done, so the mission on line %2 would never open.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is given a second time; the game uses the value on line %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 in %2 is no knowledge the game knows, so it grants nothing (did you mean %3?).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 in %2 is no side; allies are the sides 1 to 8.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the game ignores the colour &quot;%1&quot; of %2; it knows %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is no opponent&apos;s key: the opponents are ai2 to ai8.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the game knows no command %1 (did you mean %2?).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>this %1 names no command.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tell shows the section [%1], which the file does not have.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nothing shows the section %1: no Tell, $Menu or $Timeout names it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a condition &lt;?... is never closed with &quot;&gt;&quot; on its line.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a condition &lt;?...&gt; of %1 characters; the game reads at most %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MissionBegin names no mission file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the mission file %1 is neither beside this file nor in the game&apos;s D folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>this line starts with &quot;[&quot;, so the game reads it as the start of a new section and the text before it ends there.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, line %2: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check the mission and campaign guide files named (FILE...), and every .english file in a folder named, as the game will read them; print each finding as FILE:LINE: message, then exit (status 0 when nothing is found, 1 when something is, 2 when a file cannot be read).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 starts with &quot;[&quot;, so the game would read it as the start of a new section. Put a space in front of it?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 line of %1 starts with &quot;[&quot; below a text, so the game reads it as the start of a new section, and the text above it ends there:</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n lines of %1 start with &quot;[&quot; below a text, so the game reads each as the start of a new section, and the text above it ends there:</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>this mission opens only once the mission on line %1, further down, is done: the campaign is not played in the order of its rows, and if that mission waits for this one, neither ever opens.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Abandon this mission? What you typed is lost.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
