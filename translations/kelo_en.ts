<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>ResultPage</name>
    <message numerus="yes">
        <source>Each answer adds the points shown beside it, and a weight at or above the limit for the height adds %1 points. The total falls in one of three bands:</source>
        <translation>
            <numerusform>Each answer adds the points shown beside it, and a weight at or above the limit for the height adds %1 point. The total falls in one of three bands:</numerusform>
            <numerusform>Each answer adds the points shown beside it, and a weight at or above the limit for the height adds %1 points. The total falls in one of three bands:</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message numerus="yes">
        <source>%1 feet %2</source>
        <extracomment>A height in words, heard and not shown: %1 is the feet, %2 the inches as &quot;%1 inches&quot; says them (&quot;5 feet 8 inches&quot;).</extracomment>
        <translation>
            <numerusform>%1 foot %2</numerusform>
            <numerusform>%1 feet %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 inches</source>
        <extracomment>The inches of a height in words, after the feet.</extracomment>
        <translation>
            <numerusform>%1 inch</numerusform>
            <numerusform>%1 inches</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 centimetres</source>
        <translation>
            <numerusform>%1 centimetre</numerusform>
            <numerusform>%1 centimetres</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>frmScore</name>
    <message numerus="yes">
        <source>Your answers: %1 points</source>
        <translation>
            <numerusform>Your answers: %1 point</numerusform>
            <numerusform>Your answers: %1 points</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>At or above this weight: %1 points</source>
        <translation>
            <numerusform>At or above this weight: %1 point</numerusform>
            <numerusform>At or above this weight: %1 points</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Your weight: %1, %2 points</source>
        <translation>
            <numerusform>Your weight: %1, %2 point</numerusform>
            <numerusform>Your weight: %1, %2 points</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>risktest</name>
    <message numerus="yes">
        <source>%1 pounds</source>
        <extracomment>A weight as entered: %1 is the number of pounds as typed.</extracomment>
        <translation>
            <numerusform>%1 pound</numerusform>
            <numerusform>%1 pounds</numerusform>
        </translation>
    </message>
</context>
</TS>
