<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="it">
<context>
    <name>Machine</name>
    <message>
        <source>Devi scegliere un livello!!</source>
        <translation>You must choose a level!!</translation>
    </message>
</context>
</TS>
