<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="it">
<context>
    <name>quorvel::ViewOptions</name>
    <message>
        <source>&amp;Lingua</source>
        <translation>&amp;Language</translation>
    </message>
    <message>
        <source>Lingua</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>Il gioco resta nella lingua di adesso.</source>
        <translation>The game keeps the language it has now.</translation>
    </message>
    <message>
        <source>Il gioco cambierà lingua la prossima volta che lo apri.</source>
        <translation>The game will change its language the next time you open it.</translation>
    </message>
</context>
</TS>
