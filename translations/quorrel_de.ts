<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AboutWindow</name>
    <message>
        <source>About Quorrel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quorrel v 2.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Suggestions For Further Improvement of this software is almost welcomed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>THE SOFTWARE IS FREE TO USE.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Finds files as you watch: no index, no database, no background service.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AllFilesWindow</name>
    <message>
        <source>All Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search All Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You must provide text at least of 3 characters.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quorrel 2.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please specify the location.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BusyWindow</name>
    <message>
        <source>Process</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Openning....</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CategorySearch</name>
    <message>
        <source>C&amp;lose</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Processing....</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CategoryTable</name>
    <message>
        <source>All Music</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All MP3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All Videos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All MPEG</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All Pictures</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All JPEG Images</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All GIF Images</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All BITMAPS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All Mobile Ringtones</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All Mobile Applications/Java/Symbian</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All Mobile Supported Contents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WORD DOCUMENTS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>POWERPOINT DOCUMENTS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>EXCEL DOCUMENTS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>INTERNET DOCUMENTS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VISUAL BASIC PROJECTS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VISUAL C++ PROJECTS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VISUAL FOXPRO PROGRAMS/PROJECTS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TEXT FILES</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RTF DOCUMENTS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SQL BUFFERS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>COREL DRAW DOCUMENTS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ADOBE PHOTOSHOP DOCUMENTS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ADOBE IMAGEREADY DOCUMENTS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ADOBE ACROBAT PDF DOCUMENTS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>REGISTRY DOCUMENTS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NERO SAVED IMAGES</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DATABASE DOCUMENTS</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Usage: %1 [options] [--] [folder]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find files by name, content or kind as you watch.

Without a folder, Quorrel opens its launcher of the four kinds of search;
with one, it starts in that folder and asks which kind of search to run
there. Several words are one folder, joined by blanks. &quot;--&quot; ends the
options: a folder named --help is &quot;quorrel -- --help&quot; or &quot;quorrel ./--help&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>

With --search, it opens that kind of search at once, in the folder if one
is given, and closing it ends the program.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show this help and end.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show the version and end.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open this kind of search at once: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With --search: the name to look for.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With --search text: the text to look for in the files.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With --search: start the search as soon as the window shows.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder to search in; its name need not be UTF-8.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown kind of search: &apos;%1&apos; (it is one of %2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--name, --containing and --find need --search.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--containing is only for --search text.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ContainingTextWindow</name>
    <message>
        <source>File With Containing Text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Files With Containing Text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Entered characters must be at least 3 in length.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quorrel 2.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Containing Text must be at least 3 in length.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Containing Text:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Look inside &amp;documents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Containing Text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Look inside documents</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Context</name>
    <message>
        <source>Transforming...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Object variable not set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The window has no native window handle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Technical Software Error occurred while could not be handled. To ignore this error temporarily, click OK. If the error persists, contact the developer of this software. Technical Error And Description as under: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error Description: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error Code: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Technical Software Error!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DateChoices</name>
    <message>
        <source>bytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>KB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Time:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>and</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;At least:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>At m&amp;ost:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modified</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Created</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Accessed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>in the last</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>between</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>before</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>after</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>at any time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Range</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>minutes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>hours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>days</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>weeks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>months</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>years</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How many</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>At least</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unit of the least size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>At most</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unit of the most size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First date</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DateSearchWindow</name>
    <message>
        <source>Search By Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Entered characters must be at least 3 in length, or none to list every file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quorrel 2.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please specify the location.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LauncherWindow</name>
    <message>
        <source>Quorrel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>QUORREL 2.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>X</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select the search type you wish to perform:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Files With Containing Text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Multimedia Search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Office Documents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date Created, Modified, Accessed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About Quorrel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Ask Me For Transperncy At Each Start Up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Processing...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Examining Types...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Openning...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loading..</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Validating...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exiting...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MultimediaWindow</name>
    <message>
        <source>Contents:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search Music, Photos, documents etc.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Multimedia Search</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OfficeWindow</name>
    <message>
        <source>Document:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search Office Documents...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Office Documents</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ResultActions</name>
    <message>
        <source>Result actions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Containing &amp;Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Copy Path</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy &amp;Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save List As...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Folders That Could Not Be &amp;Read...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No associated program/application found to open this folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save List As</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>search results</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The list was not saved as %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ResultOpener</name>
    <message>
        <source>Openning Application...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed..</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 was not found.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No associated program/application found to open this file.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ResultsTable</name>
    <message>
        <source>%1 bytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modified</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Created</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Accessed</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SaveFile</name>
    <message>
        <source>it is not a regular file</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SearchSession</name>
    <message>
        <source>Processing...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SearchWindow</name>
    <message>
        <source>Returning...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Find Now!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Stop!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>X</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Named:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Location:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Match Case</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0 files found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Searching ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Named</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Location</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Results</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 path was not found.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>out of file handles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 File(s) Found!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (%1 could not be read)</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source> (%n without a creation time)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source> (search ended early: %1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The system ran %1; the search stopped there. The files found until then are listed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Searching In %1...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SearchWindowDescription</name>
    <message>
        <source>Processing...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SplashWindow</name>
    <message>
        <source>Quorrel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File Finder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Real Time v2.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Now Upto 250% Faster</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note: The Software is Free to Use.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StartInFolderWindow</name>
    <message>
        <source>Select Action</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You have chosen to open this software with a command. Now you have to select what type of search operation you wish to perform:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Search All Types Of File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;earch With Containing Text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sea&amp;rch Contents i.e., photos, videos, music files etc.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C&amp;ancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search &amp;Office Documents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search By &amp;Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancelling..</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TimeColumn</name>
    <message>
        <source>Modified</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TransparencyQuestion</name>
    <message>
        <source>Transperancy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Would you like to have the windows transparent?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Don&apos;t Ask Me Again, Set Transperancy as Default</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>D&amp;ont Ask Me Again, Don&apos;t set transperancy as Default</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quorrel 2.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Selecting Yes or having transparent windows will reduce the searching process performance to some extent. Would you like to still have transparency in the searching sessions?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UnreadableWindow</name>
    <message>
        <source>permission denied</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>vanished</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>out of file handles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>encrypted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>damaged</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>too large when expanded</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>too slow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>could not be read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Folders That Could Not Be Read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>... and %1 more</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Folders and files that could not be read</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
