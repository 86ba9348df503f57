// Opens every topic of a JavaHelp index the way the JavaHelp viewer does:
// the index item's ID through the map to a URL, the URL in a JEditorPane,
// which scrolls to the URL's reference by comparing it with the page's
// anchor names. Exit 0 when every anchored topic scrolled to its anchor.
import javax.help.HelpSet;
import javax.help.IndexItem;
import javax.help.IndexView;
import javax.help.Map;
import javax.swing.JEditorPane;
import javax.swing.JScrollPane;
import javax.swing.SwingUtilities;
import javax.swing.text.AbstractDocument;
import javax.swing.text.Document;
import javax.swing.text.html.HTMLEditorKit;
import javax.swing.tree.DefaultMutableTreeNode;
import java.io.File;
import java.io.PrintWriter;
import java.net.URL;
import java.util.Enumeration;

public class ViewerScrollCheck {
    // Loads pages at once, so that the reference is looked for in the whole page.
    static class LoadingKit extends HTMLEditorKit {
        @Override
        public Document createDefaultDocument() {
            AbstractDocument doc = (AbstractDocument) super.createDefaultDocument();
            doc.setAsynchronousLoadPriority(-1);
            return doc;
        }
    }

    static int anchored = 0, scrolled = 0;

    public static void main(String[] args) throws Exception {
        File dir = new File(args[0]).getAbsoluteFile();
        File hs = File.createTempFile("viewer", ".hs", dir);
        hs.deleteOnExit();
        try (PrintWriter w = new PrintWriter(hs, "ISO-8859-1")) {
            w.println("<?xml version='1.0' encoding='ISO-8859-1' ?>");
            w.println("<helpset version=\"2.0\"><title>check</title>");
            w.println("<maps><mapref location=\"" + args[2] + "\"/></maps>");
            w.println("<view><name>Index</name><label>Index</label><type>javax.help.IndexView</type>");
            w.println("<data>" + args[1] + "</data></view></helpset>");
        }
        HelpSet set = new HelpSet(null, hs.toURI().toURL());
        IndexView view = (IndexView) set.getNavigatorView("Index");
        walk(view.getDataAsTree(), set.getCombinedMap(), set);
        System.out.println("anchored=" + anchored + " scrolled=" + scrolled);
        System.exit(anchored > 0 && anchored == scrolled ? 0 : 1);
    }

    static void walk(DefaultMutableTreeNode node, Map map, HelpSet set) throws Exception {
        for (Enumeration<?> e = node.children(); e.hasMoreElements();) {
            DefaultMutableTreeNode child = (DefaultMutableTreeNode) e.nextElement();
            IndexItem item = (IndexItem) child.getUserObject();
            if (item.getID() != null) {
                URL url = map.getURLFromID(item.getID());
                if (url == null) {
                    System.out.println("unmapped: " + item.getID().id);
                    anchored++;
                } else if (url.getRef() != null) {
                    anchored++;
                    if (scrollsToReference(url))
                        scrolled++;
                    else
                        System.out.println("stays at the top: " + item.getName() + " -> " + url);
                }
            }
            walk(child, map, set);
        }
    }

    // Swing is used from its own thread only, as the viewer does.
    static boolean scrollsToReference(URL url) throws Exception {
        final boolean[] moved = {false};
        SwingUtilities.invokeAndWait(() -> {
            try {
                moved[0] = scrollsOnSwingThread(url);
            } catch (Exception e) {
                System.out.println(e);
            }
        });
        return moved[0];
    }

    static boolean scrollsOnSwingThread(URL url) throws Exception {
        JEditorPane pane = new JEditorPane();
        pane.setEditorKitForContentType("text/html", new LoadingKit());
        JScrollPane scroll = new JScrollPane(pane);
        scroll.setSize(400, 200);
        pane.setSize(400, 200);
        pane.setPage(url); // scrolls to url.getRef() once loaded
        scroll.doLayout();
        pane.scrollToReference(url.getRef());
        // The caret moves to the anchor only when its name matched the reference.
        return pane.getCaretPosition() > 0;
    }
}
