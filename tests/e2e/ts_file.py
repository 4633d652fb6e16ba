"""The finished texts of one of the program's Qt translation files (.ts)."""

from xml.etree import ElementTree


def finished_translations(path):
    """(context, source) to translation, for the finished messages of a .ts file."""
    found = {}
    for context in ElementTree.parse(path).getroot().iter("context"):
        for message in context.iter("message"):
            translation = message.find("translation")
            if translation.get("type") is None and translation.text:
                found[(context.findtext("name"), message.findtext("source"))] = translation.text
    return found
